// Every heist recorded as it is played: the frames' clock readings and the input that reached
// the game, kept in memory set aside once a run and written when the heist ends
// ($XDG_DATA_HOME/vaultrun/replays/last.vrr, also for a heist cut short by the game's end,
// and for a new best score best.vrr, or
// best-<rules>-<difficulty>.vrr under rules other than classic normal). While a
// replay is watched nothing is recorded, and its end is compared with the recording's.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "game/ReplayFile.h"
#include "game/Rules.h"

// ---- Set once at start-up by the program ----
// The options that change what happens, as the game applies them.
struct RecordedOptions : ReplayOptions {
  std::string gameVersion = "unknown";
};
extern RecordedOptions recordedOptions;
// The walking directions the keys hold now (the input layer owns them).
extern void (*readHeldDirections)(std::int32_t& forward, std::int32_t& sideways);
// The pads' last reading (the input layer owns them).
extern void (*readPadReading)(ReplayPadState& reading);

// ---- The calls that feed the recording; each costs nothing while no heist is recorded ----
// An input event, as it reaches the game (the callbacks call this first).
void recordInput(ReplayRecordKind kind, int code = 0, int state = 0, int x = 0, int y = 0);
// The pads read this frame, before its rules: recorded when they read otherwise than the
// last recorded reading (or the one at the new game).
void recordPadReading(const ReplayPadState& reading);
// A frame's rules are about to run; the game clock is held at the frame's reading.
void recordFrame();
// The window's size now (the reshape callback calls this): recorded when it differs from the
// size the recording last knew (the header's at the new game).
void recordWindowSize(int width, int height);
// A new game began: a heist still recorded ends as left, and a new recording begins.
void startHeistRecording();
// The heist ended: "escaped" or "caught" (after finishHeist has filled lastHeist), "left"
// (for the menu) or "quit" (the game is on its way out: the window closed or a termination
// signal). The recording is written, never as a best when it was not finished; while
// watching, the end is noted instead.
void endHeistRecording(const char* outcome);
bool heistRecording();
// The recording so far is dropped unwritten (the benchmark's heists never end).
void abandonHeistRecording();
// The packed records so far, in bytes.
std::size_t heistRecordingBytes();

// ---- Watching a replay: set by the watch before the recorded new game ----
struct WatchedEnd {
  bool ended = false;          // the replayed heist has reached its end
  std::string outcome;         // as the replay played it
  std::int32_t score = 0;
  std::uint64_t digest = 0;
};
extern bool watchingReplay;          // nothing is recorded, the score record is not visited
extern ReplayHeader watchedHeader;   // the recording's header, for the results panel
extern WatchedEnd watchedEnd;

// The folder the recordings go to: <score folder>/replays; empty when there is none.
std::string replayFolder();
// The best score's recording under a rule set: best.vrr for classic normal, else
// best-<rules>-<difficulty>.vrr (best-stealth-hard.vrr).
std::string bestReplayName(const RuleSet& rules);

// 'r' on the results panel: the heist that just ended is watched again, in a window of its
// own, while this game waits on its end screen. Set by the program's start-up; null in a
// program that cannot show one (the tests, the replay driver).
extern void (*watchRecordedHeist)(const std::string& path);

// The end screens' 'r': hands last.vrr to watchRecordedHeist. False (nothing happens) while a
// replay is watched, when no watcher is set, or before any heist was recorded.
bool watchLastHeist();

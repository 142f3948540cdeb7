// The recording of the heist in play, and its crash-safe writing when the heist ends.
#include "game/HeistRecorder.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "game/GameState.h"
#include "game/Results.h"
#include "game/Rules.h"
#include "game/StateDigest.h"
#include "platform/AtomicFile.h"
#include "platform/Clock.h"
#include "platform/Screen.h"

RecordedOptions recordedOptions;
void (*readHeldDirections)(std::int32_t&, std::int32_t&) = nullptr;
void (*readPadReading)(ReplayPadState&) = nullptr;
bool watchingReplay = false;
void (*watchRecordedHeist)(const std::string& path) = nullptr;
ReplayHeader watchedHeader;
WatchedEnd watchedEnd;

namespace {

// Set aside at the first heist and reused by every later one: a ten-minute heist (60 frames
// a second and a busy mouse) packs into a few hundred kilobytes, so no frame allocates. A
// heist that outgrows even the limit is no longer recorded.
constexpr std::size_t reservedBodyBytes = 1024u * 1024u;
constexpr std::size_t bodyLimitBytes = replayFileMaxBytes - 4096u;

// ---- Live from the new game to the heist's end ----
bool recording = false;
ReplayFile current;
ReplayBodyWriter writer(current.body);
ReplayPadState lastPadRecorded;
int lastWidthRecorded = 0, lastHeightRecorded = 0;
// ---- Live for the whole run ----
std::uint32_t lastFrameMs = 0;         // the reading of the last frame run, recorded or not
bool writeTroubleReported = false;     // once a run: the folder does not heal between heists

void append(const ReplayRecord& record) {
  if (current.body.size() > bodyLimitBytes) {
    recording = false;
    std::printf("This heist is too long to be recorded; it will not be kept as a replay.\n");
    std::fflush(stdout);
    return;
  }
  writer.append(record);
  ++current.records;
  if (record.kind == ReplayRecordKind::Frame) ++current.frames;
}

// The recording replaced whole, through a temporary file beside it.
bool replaceFile(const std::string& folder, const std::string& path, const std::string& bytes,
                 std::string& problem) {
  return replaceFileAtomically(folder, path + ".XXXXXX", path, bytes, problem);
}

// The header's end: what the heist brought and what the record then said.
void fillOutcome(ReplayHeader& h, const char* outcome) {
  h.outcome = outcome;
  // A heist left or quit has no verdict: what it had brought so far, and no record visited.
  const bool finished = h.outcome == "escaped" || h.outcome == "caught";
  const HeistResult result = finished ? lastHeist.result : currentHeistResult();
  h.date = result.date;
  h.score = result.score;
  h.record = !finished || !lastHeist.recordRead ? "none" : lastHeist.recordKept ? "kept" : "read";
  h.hasBest = finished && lastHeist.hasBest;
  h.bestScore = h.hasBest ? lastHeist.best.score : 0;
  h.bestDate = h.hasBest ? lastHeist.best.date : "";
  h.newBest = finished && lastHeist.newBest;
}

void writeRecording(const std::string& bytes, bool best) {
  const std::string folder = replayFolder();
  std::string problem = folder.empty() ? "neither XDG_DATA_HOME nor HOME is set" : "";
  bool kept = problem.empty() && makeFolders(folder, problem) &&
              replaceFile(folder, folder + "/last.vrr", bytes, problem);
  if (kept && best) {
    kept = replaceFile(folder, folder + "/" + bestReplayName(playRules), bytes, problem);
  }
  if (!kept && !writeTroubleReported) {
    writeTroubleReported = true;
    std::printf("The replay of this heist cannot be kept (%s); the game goes on without it.\n",
                problem.c_str());
    std::fflush(stdout);
  }
}

}  // namespace

void recordInput(ReplayRecordKind kind, int code, int state, int x, int y) {
  if (!recording) return;
  ReplayRecord record;
  record.kind = kind;
  record.clockMs = platform::clockMs();
  record.code = code;
  record.state = state;
  record.x = x;
  record.y = y;
  append(record);
}

void recordPadReading(const ReplayPadState& reading) {
  if (!recording || reading == lastPadRecorded) return;
  lastPadRecorded = reading;
  ReplayRecord record;
  record.kind = ReplayRecordKind::Pad;
  record.clockMs = platform::clockMs();
  record.pad = reading;
  append(record);
}

void recordFrame() {
  lastFrameMs = platform::clockMs();
  if (!recording) return;
  ReplayRecord record;
  record.kind = ReplayRecordKind::Frame;
  record.clockMs = lastFrameMs;
  append(record);
}

void recordWindowSize(int width, int height) {
  if (!recording) return;
  // A minimised window may report a side of 0; the file keeps 1 up to the limit.
  width = width < 1 ? 1 : width > replayWindowLimit ? replayWindowLimit : width;
  height = height < 1 ? 1 : height > replayWindowLimit ? replayWindowLimit : height;
  if (width == lastWidthRecorded && height == lastHeightRecorded) return;
  lastWidthRecorded = width;
  lastHeightRecorded = height;
  ReplayRecord record;
  record.kind = ReplayRecordKind::Window;
  record.clockMs = platform::clockMs();
  record.x = width;
  record.y = height;
  append(record);
}

void startHeistRecording() {
  if (watchingReplay) return;
  if (recording) endHeistRecording("left");
  if (current.body.capacity() < reservedBodyBytes) current.body.reserve(reservedBodyBytes);
  current.body.clear();
  current.frames = current.records = 0;
  ReplayHeader& h = current.header;
  h = ReplayHeader();
  h.gameVersion = recordedOptions.gameVersion;
  // The rules the new game is about to take up.
  h.rules = rulesWord(chosenRules.rules);
  h.difficulty = difficultyWord(chosenRules.difficulty);
  static_cast<ReplayOptions&>(h) = recordedOptions;
  h.windowWidth = platform::windowWidth();
  h.windowHeight = platform::windowHeight();
  lastWidthRecorded = h.windowWidth;
  lastHeightRecorded = h.windowHeight;
  h.startClockMs = platform::clockMs();
  h.previousFrameMs = lastFrameMs;
  if (readHeldDirections != nullptr) readHeldDirections(h.heldForward, h.heldSideways);
  if (readPadReading != nullptr) readPadReading(h.padAtStart);
  lastPadRecorded = h.padAtStart;
  writer.start(h.startClockMs);
  recording = true;
  ReplayRecord newGame;
  newGame.kind = ReplayRecordKind::NewGame;
  newGame.clockMs = h.startClockMs;
  append(newGame);
}

void endHeistRecording(const char* outcome) {
  // Taken at the same point of the same callback when recording and when watching.
  const std::uint64_t digest = stateDigest(0, 0, 0);
  if (watchingReplay) {
    if (watchedEnd.ended) return;
    watchedEnd.ended = true;
    watchedEnd.outcome = outcome;
    watchedEnd.score = camera != nullptr && camera->score > 0 ? camera->score : 0;
    watchedEnd.digest = digest;
    return;
  }
  if (!recording) return;
  ReplayRecord end;
  end.kind = ReplayRecordKind::End;
  end.clockMs = platform::clockMs();
  append(end);
  if (!recording) return;  // outgrown: already said so
  recording = false;
  current.header.digest = digest;
  fillOutcome(current.header, outcome);
  writeRecording(formatReplayFile(current), current.header.newBest);
}

bool heistRecording() {
  return recording;
}

void abandonHeistRecording() {
  recording = false;
}

std::size_t heistRecordingBytes() {
  return current.body.size();
}

std::string bestReplayName(const RuleSet& rules) {
  if (rules == RuleSet()) return "best.vrr";
  return std::string("best-") + rulesWord(rules.rules) + "-" + difficultyWord(rules.difficulty) +
         ".vrr";
}

std::string replayFolder() {
  const std::string folder = scoreFolder(std::getenv("XDG_DATA_HOME"), std::getenv("HOME"));
  return folder.empty() ? "" : folder + "/replays";
}

bool watchLastHeist() {
  if (watchingReplay || watchRecordedHeist == nullptr) return false;
  const std::string folder = replayFolder();
  if (folder.empty()) return false;
  watchRecordedHeist(folder + "/last.vrr");
  return true;
}

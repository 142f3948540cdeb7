// The player's record of heists: the best result of each rule set and the last ten, kept per
// user in a small text file (`scores` in $XDG_DATA_HOME/vaultrun). No GL, no game state: the
// results screen hands a finished heist in and gets the record back.
//
// The file, one line each, fields separated by one blank:
//   vaultrun-scores 2
//   best 2026-12-07T21:04 score 420 seconds 612 pictures 12 exhibits 10 swords 3 health 80 guards 1
//   best stealth hard 2026-12-08T20:10 <the same fields from score on>
//   heist <the same fields>                     (at most ten, oldest first)
//   heist stealth easy <the same fields>
// A result of the classic rules at normal difficulty has no rules in its line; every other
// carries its rules and difficulty. The best lines come first, at most one for each rule set,
// in the order classic easy, normal, hard, stealth easy, normal, hard. A record that holds
// nothing but classic normal results is written as version 1, which had no other (and which
// older games read); version 2 holds at least one line of another rule set.
// Every line ends with a line feed; anything else is not a record of ours.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "game/Rules.h"

struct HeistResult {
  std::string date;            // local time of the end, "YYYY-MM-DDTHH:MM"
  std::int32_t score = 0;      // 0..32767
  std::int32_t seconds = 0;    // from the new game to the end, paused time not counted
  std::int32_t pictures = 0;   // taken, 0..36
  std::int32_t exhibits = 0;   // 0..33
  std::int32_t swords = 0;     // 0..7
  std::int32_t health = 0;     // left, 0..100
  std::int32_t guards = 0;     // brought down
  RuleSet rules{};             // played by
};

struct ScoreRecord {
  bool hasBest = false;             // classic normal's best, where version 1 kept its only one
  HeistResult best;
  std::vector<HeistResult> recent;  // oldest first, at most recentResultCount, of any rules
  std::vector<HeistResult> otherBests{};  // the best of each other rule set that has one, in
                                        // rule set order
};

// The best so far under a rule set, or null when it has none yet.
const HeistResult* bestUnder(const ScoreRecord& record, const RuleSet& rules);

constexpr std::size_t recentResultCount = 10;
// A record of ours is a few hundred bytes; anything past this is not one, and is not read.
constexpr std::size_t scoreFileMaxBytes = 64 * 1024;
// Files that were no record, moved aside as scores.bad.1, .2...: the last this many are kept.
constexpr std::size_t movedAsideKept = 5;
// A temporary file of the record (scores.XXXXXX) older than this, in seconds, was left by a
// game that ended between writing it and its rename; the next write removes it.
constexpr long staleTemporarySeconds = 60;

// The file's text for a record, and back. parseScoreRecord refuses anything it would not
// have written (with `problem` saying what), so a damaged file is never half read.
std::string formatScoreRecord(const ScoreRecord& record);
bool parseScoreRecord(const std::string& text, ScoreRecord& out, std::string& problem);

// Appends a result (the oldest beyond ten drop out). True when it beats the best score so
// far under its rule set, or is the first there; it then becomes that best. An equal score
// keeps the older best.
bool addHeistResult(ScoreRecord& record, const HeistResult& result);

// The record's folder: $XDG_DATA_HOME/vaultrun when that is an absolute path, else
// $HOME/.local/share/vaultrun; empty when neither is set.
std::string scoreFolder(const char* xdgDataHome, const char* home);

// What one visit to the file found and did.
struct ScoreFileVisit {
  bool ok = false;           // the record was read (and written back, when a result was added)
  bool read = false;         // the record was read, whether or not it could be written
  ScoreRecord record;        // after the visit when ok; as read when only read; else empty
  bool newBest = false;      // the added result became the best (and was written)
  std::string movedAside;    // set when a file that was no record went aside: why, and where
  std::string problem;       // set when the folder or the file could not be used: why
};

// Reads the record in `folder` and, when `result` is given, adds it and writes the record
// back. The whole visit holds an exclusive lock on `scores.lock`, so two games ending at once
// both count; in a folder where the lock cannot be made (read-only) the record is still read.
// A missing file is an empty record; a file that is no record (a FIFO or a folder included)
// is renamed to `scores.bad.N`, one past the highest N there, the oldest beyond
// movedAsideKept removed, and a new record begins. The new text goes to a temporary file in
// the same folder, flushed to the disk, then renamed over the old one: a crash leaves the old
// record or the new, never a mix (and the temporary file, which a later write removes). The
// folder is made when missing.
ScoreFileVisit visitScoreFile(const std::string& folder, const HeistResult* result);

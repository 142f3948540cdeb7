// The record of heists: its text form, its rules, and the locked, crash-safe visit to its file.
#include "game/ScoreRecord.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <algorithm>
#include <cctype>
#include <cstring>
#include <ctime>
#include <sstream>

#include "platform/AtomicFile.h"
#include "platform/RegularFile.h"

namespace {

// Version 1 holds only classic normal results; version 2 holds others too.
const char* const versionLines[2] = {"vaultrun-scores 1", "vaultrun-scores 2"};
const RuleSet classicNormal;

// ---- Text form ----

// The named numbers of a result line, in their order, with the largest value each may hold.
struct Field {
  const char* name;
  std::int32_t HeistResult::*value;
  std::int32_t maximum;
};
const Field resultFields[] = {
    {"score", &HeistResult::score, 32767},       {"seconds", &HeistResult::seconds, 999999999},
    {"pictures", &HeistResult::pictures, 36},    {"exhibits", &HeistResult::exhibits, 33},
    {"swords", &HeistResult::swords, 7},         {"health", &HeistResult::health, 100},
    {"guards", &HeistResult::guards, 999999999},
};
constexpr std::size_t resultTokens = 2 + 2 * (sizeof resultFields / sizeof resultFields[0]);

// The rules and difficulty stand after the kind, except for classic normal's.
std::string resultLine(const char* kind, const HeistResult& r) {
  std::string line = kind;
  if (r.rules != classicNormal) {
    line += std::string(" ") + rulesWord(r.rules.rules) + " " + difficultyWord(r.rules.difficulty);
  }
  line += " " + r.date;
  for (const Field& field : resultFields) {
    line += std::string(" ") + field.name + " " + std::to_string(r.*field.value);
  }
  return line + "\n";
}

// Plain decimal digits as the game writes them: no sign, no leading zero, within 0..maximum
// (nine digits at most, so no overflow).
bool readNumber(const std::string& text, std::int32_t maximum, std::int32_t& value) {
  if (text.empty() || text.size() > 9 || (text[0] == '0' && text.size() > 1)) return false;
  std::int32_t v = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return false;
    v = v * 10 + (c - '0');
  }
  if (v > maximum) return false;
  value = v;
  return true;
}

// "YYYY-MM-DDTHH:MM" with the month, day, hour and minute in range.
bool readDate(const std::string& text) {
  if (text.size() != 16) return false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char expected = i == 4 || i == 7 ? '-' : i == 10 ? 'T' : i == 13 ? ':' : '0';
    if (expected == '0' ? (text[i] < '0' || text[i] > '9') : text[i] != expected) return false;
  }
  const auto two = [&text](std::size_t at) { return (text[at] - '0') * 10 + (text[at + 1] - '0'); };
  return two(5) >= 1 && two(5) <= 12 && two(8) >= 1 && two(8) <= 31 && two(11) <= 23 &&
         two(14) <= 59;
}

// Splits at single blanks; an empty token (two blanks, a blank at either end) fails.
bool splitTokens(const std::string& line, std::vector<std::string>& tokens) {
  tokens.clear();
  std::size_t start = 0;
  while (true) {
    const std::size_t blank = line.find(' ', start);
    const std::string token = line.substr(start, blank - start);
    if (token.empty()) return false;
    tokens.push_back(token);
    if (blank == std::string::npos) return true;
    start = blank + 1;
  }
}

// A result line's fields after its kind: the rules and difficulty when `tagged` (never
// classic normal, whose lines have none), then the date and the named numbers.
bool readResult(const std::vector<std::string>& tokens, bool tagged, HeistResult& r) {
  std::size_t at = 1;
  if (tagged) {
    if (tokens.size() != resultTokens + 2 || !readRulesWord(tokens[1], r.rules.rules) ||
        !readDifficultyWord(tokens[2], r.rules.difficulty) || r.rules == classicNormal) {
      return false;
    }
    at = 3;
  } else if (tokens.size() != resultTokens) {
    return false;
  }
  if (!readDate(tokens[at])) return false;
  r.date = tokens[at];
  ++at;
  for (const Field& field : resultFields) {
    if (tokens[at] != field.name || !readNumber(tokens[at + 1], field.maximum, r.*field.value)) {
      return false;
    }
    at += 2;
  }
  return true;
}

// ---- The file ----

// The exclusive lock, held until the descriptor is closed. -1 with `problem` on failure.
int lockFolder(const std::string& folder, std::string& problem) {
  const std::string path = folder + "/scores.lock";
  const int fd = open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
  if (fd < 0) {
    problem = systemReason("cannot open " + path);
    return -1;
  }
  int locked;
  while ((locked = flock(fd, LOCK_EX)) != 0 && errno == EINTR) {
  }
  if (locked != 0) {
    problem = systemReason("cannot lock " + path);
    close(fd);
    return -1;
  }
  return fd;
}

enum class ReadOutcome { missing, read, refused, failed };

// At most scoreFileMaxBytes + 1 bytes: one more than a record may hold tells a file too big.
// Opened without blocking: a FIFO, a device or a folder in its place is no record.
ReadOutcome readScoreFile(const std::string& path, std::string& text, std::string& reason) {
  platform::FileRefusal refusal = platform::FileRefusal::none;
  const int fd = platform::openRegularFile(path, reason, &refusal);
  if (fd < 0) {
    if (refusal == platform::FileRefusal::missing) return ReadOutcome::missing;
    if (refusal == platform::FileRefusal::notRegular) {
      reason = "it " + reason;
      return ReadOutcome::refused;
    }
    reason = "cannot open " + path + ": " + reason;
    return ReadOutcome::failed;
  }
  text.clear();
  char buffer[8192];
  ReadOutcome outcome = ReadOutcome::read;
  while (text.size() <= scoreFileMaxBytes) {
    const ssize_t n = read(fd, buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      // A directory, or a read error: whatever it is, it is no record.
      reason = systemReason("cannot read it");
      outcome = ReadOutcome::refused;
      break;
    }
    if (n == 0) break;
    text.append(buffer, static_cast<std::size_t>(n));
  }
  close(fd);
  if (outcome == ReadOutcome::read && text.size() > scoreFileMaxBytes) {
    reason = "it is larger than a record can be";
    outcome = ReadOutcome::refused;
  }
  return outcome;
}

// The names in the folder, "." and ".." left out; empty when it cannot be listed.
std::vector<std::string> folderNames(const std::string& folder) {
  std::vector<std::string> names;
  DIR* const listing = opendir(folder.c_str());
  if (listing == nullptr) return names;
  while (const dirent* entry = readdir(listing)) {
    const std::string name = entry->d_name;
    if (name != "." && name != "..") names.push_back(name);
  }
  closedir(listing);
  return names;
}

// "scores." and the six letters and digits mkostemp puts in place of XXXXXX.
bool isTemporaryName(const std::string& name) {
  if (name.size() != 13 || name.compare(0, 7, "scores.") != 0) return false;
  return std::all_of(name.begin() + 7, name.end(),
                     [](char c) { return std::isalnum(static_cast<unsigned char>(c)) != 0; });
}

// A game that crashed between writing its temporary file and the rename left it behind. One
// older than a minute belongs to no game still writing (a write takes milliseconds), and goes.
void removeStaleTemporaries(const std::string& folder) {
  const std::time_t now = std::time(nullptr);
  for (const std::string& name : folderNames(folder)) {
    if (!isTemporaryName(name)) continue;
    const std::string path = folder + "/" + name;
    struct stat info;
    if (lstat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) &&
        now - info.st_mtime > staleTemporarySeconds) {
      unlink(path.c_str());
    }
  }
}

// The record replaced whole, through a temporary scores.XXXXXX in its folder; leftovers of
// crashed games go first.
bool replaceFile(const std::string& folder, const std::string& path, const std::string& text,
                 std::string& problem) {
  removeStaleTemporaries(folder);
  return replaceFileAtomically(folder, folder + "/scores.XXXXXX", path, text, problem);
}

// The numbers N of the files scores.bad.N in the folder, lowest first.
std::vector<unsigned long> movedAsideNumbers(const std::string& folder) {
  std::vector<unsigned long> numbers;
  const std::string prefix = "scores.bad.";
  for (const std::string& name : folderNames(folder)) {
    if (name.size() <= prefix.size() || name.size() > prefix.size() + 9 ||
        name.compare(0, prefix.size(), prefix) != 0 ||
        name.find_first_not_of("0123456789", prefix.size()) != std::string::npos) {
      continue;
    }
    numbers.push_back(std::stoul(name.substr(prefix.size())));
  }
  std::sort(numbers.begin(), numbers.end());
  return numbers;
}

// The name for the next file moved aside: scores.bad.N, one past the highest there is.
std::string nextAsideName(const std::string& folder) {
  const std::vector<unsigned long> numbers = movedAsideNumbers(folder);
  return folder + "/scores.bad." + std::to_string(numbers.empty() ? 1 : numbers.back() + 1);
}

// Only the last movedAsideKept stay: the oldest (lowest numbers) go.
void pruneMovedAside(const std::string& folder) {
  const std::vector<unsigned long> numbers = movedAsideNumbers(folder);
  for (std::size_t i = 0; i + movedAsideKept < numbers.size(); ++i) {
    unlink((folder + "/scores.bad." + std::to_string(numbers[i])).c_str());
  }
}

// Under the lock: the record as the file holds it, a file that is none moved aside.
bool loadRecord(const std::string& folder, ScoreFileVisit& visit) {
  const std::string path = folder + "/scores";
  std::string text, reason;
  switch (readScoreFile(path, text, reason)) {
    case ReadOutcome::missing:
      return true;
    case ReadOutcome::failed:
      visit.problem = reason;
      return false;
    case ReadOutcome::read:
      if (parseScoreRecord(text, visit.record, reason)) return true;
      break;
    case ReadOutcome::refused:
      break;
  }
  visit.record = ScoreRecord();
  const std::string aside = nextAsideName(folder);
  if (rename(path.c_str(), aside.c_str()) != 0) {
    visit.problem = systemReason(path + " is no score record (" + reason + ") and cannot be moved");
    return false;
  }
  pruneMovedAside(folder);
  visit.movedAside = path + " is no score record (" + reason + "); it was moved to " + aside +
                     " and a new record begins";
  return true;
}

// Without the lock and without changing anything: the record when the file is one (or none is
// there). A rename puts a new record in place at once, so the file is never seen half written.
bool readOnly(const std::string& folder, ScoreRecord& record);

}  // namespace

namespace {

// The record's best lines in their order: classic normal's among the others by rule set.
std::vector<const HeistResult*> bestsInOrder(const ScoreRecord& record) {
  std::vector<const HeistResult*> bests;
  for (const HeistResult& r : record.otherBests) bests.push_back(&r);
  if (record.hasBest) {
    auto at = bests.begin();
    while (at != bests.end() && ruleSetIndex((*at)->rules) < ruleSetIndex(classicNormal)) ++at;
    bests.insert(at, &record.best);
  }
  return bests;
}

}  // namespace

const HeistResult* bestUnder(const ScoreRecord& record, const RuleSet& rules) {
  if (rules == classicNormal) return record.hasBest ? &record.best : nullptr;
  for (const HeistResult& r : record.otherBests) {
    if (r.rules == rules) return &r;
  }
  return nullptr;
}

std::string formatScoreRecord(const ScoreRecord& record) {
  bool others = !record.otherBests.empty();
  for (const HeistResult& r : record.recent) others = others || r.rules != classicNormal;
  std::string text = std::string(versionLines[others ? 1 : 0]) + "\n";
  for (const HeistResult* best : bestsInOrder(record)) text += resultLine("best", *best);
  for (const HeistResult& r : record.recent) text += resultLine("heist", r);
  return text;
}

bool parseScoreRecord(const std::string& text, ScoreRecord& out, std::string& problem) {
  ScoreRecord record;
  if (text.empty() || text.back() != '\n') {
    problem = text.empty() ? "it is empty" : "its last line is cut short";
    return false;
  }
  std::istringstream lines(text);
  std::string line;
  std::vector<std::string> tokens;
  int version = 0;
  int lastBest = -1;  // the rule set index of the last best line
  bool others = false;
  for (int number = 1; std::getline(lines, line); ++number) {
    const std::string where = "line " + std::to_string(number);
    for (char c : line) {
      if (c < ' ' || c > '~') {
        problem = where + " holds a byte that is no printable character";
        return false;
      }
    }
    if (number == 1) {
      version = line == versionLines[0] ? 1 : line == versionLines[1] ? 2 : 0;
      if (version == 0) {
        problem = "it does not begin with \"" + std::string(versionLines[0]) + "\" or \"" +
                  versionLines[1] + "\"";
        return false;
      }
      continue;
    }
    HeistResult result;
    if (!splitTokens(line, tokens)) {
      problem = where + " is no result";
      return false;
    }
    const bool tagged = tokens.size() > 1 && (tokens[1] == "classic" || tokens[1] == "stealth");
    if (!readResult(tokens, tagged, result)) {
      problem = where + " is no result";
      return false;
    }
    if (tagged && version == 1) {
      problem = where + " names rules, which a record of version 1 has not";
      return false;
    }
    others = others || tagged;
    // The bests come first, one for each rule set at most and in their order, as the game
    // writes them.
    const int index = ruleSetIndex(result.rules);
    if (tokens[0] == "best" && index > lastBest && record.recent.empty()) {
      lastBest = index;
      if (result.rules == classicNormal) {
        record.hasBest = true;
        record.best = result;
      } else {
        record.otherBests.push_back(result);
      }
    } else if (tokens[0] == "heist" && record.recent.size() < recentResultCount) {
      record.recent.push_back(result);
    } else {
      problem = where + " is one result too many";
      return false;
    }
  }
  if (version == 2 && !others) {
    problem = "it is of version 2 and holds no result of rules other than classic normal";
    return false;
  }
  out = record;
  return true;
}

bool addHeistResult(ScoreRecord& record, const HeistResult& result) {
  record.recent.push_back(result);
  if (record.recent.size() > recentResultCount) {
    record.recent.erase(record.recent.begin(),
                        record.recent.end() - static_cast<std::ptrdiff_t>(recentResultCount));
  }
  const HeistResult* best = bestUnder(record, result.rules);
  if (best != nullptr && result.score <= best->score) return false;
  if (result.rules == classicNormal) {
    record.hasBest = true;
    record.best = result;
    return true;
  }
  // In rule set order: in place of the old best, or before the first of a later rule set.
  auto at = record.otherBests.begin();
  while (at != record.otherBests.end() && ruleSetIndex(at->rules) < ruleSetIndex(result.rules)) ++at;
  if (at != record.otherBests.end() && at->rules == result.rules) {
    *at = result;
  } else {
    record.otherBests.insert(at, result);
  }
  return true;
}

std::string scoreFolder(const char* xdgDataHome, const char* home) {
  // The base directory rules: a relative XDG_DATA_HOME is ignored.
  if (xdgDataHome != nullptr && xdgDataHome[0] == '/') {
    return std::string(xdgDataHome) + "/vaultrun";
  }
  if (home != nullptr && home[0] != '\0') {
    return std::string(home) + "/.local/share/vaultrun";
  }
  return "";
}

namespace {

bool readOnly(const std::string& folder, ScoreRecord& record) {
  std::string text, reason;
  switch (readScoreFile(folder + "/scores", text, reason)) {
    case ReadOutcome::missing:
      record = ScoreRecord();
      return true;
    case ReadOutcome::read:
      return parseScoreRecord(text, record, reason);
    default:
      return false;
  }
}

}  // namespace

ScoreFileVisit visitScoreFile(const std::string& folder, const HeistResult* result) {
  ScoreFileVisit visit;
  if (folder.empty()) {
    visit.problem = "neither XDG_DATA_HOME nor HOME names a folder for it";
    return visit;
  }
  if (!makeFolders(folder, visit.problem)) return visit;
  const int lock = lockFolder(folder, visit.problem);
  if (lock < 0) {
    // A folder the game may read but not write (read-only, or a lock it cannot make): the
    // record is shown as it is, and cannot be kept.
    ScoreFileVisit reading;
    reading.read = readOnly(folder, reading.record);
    reading.problem = visit.problem;
    return reading;
  }
  visit.read = loadRecord(folder, visit);
  visit.ok = visit.read;
  if (visit.ok && result != nullptr) {
    ScoreRecord added = visit.record;
    visit.newBest = addHeistResult(added, *result);
    visit.ok = replaceFile(folder, folder + "/scores", formatScoreRecord(added), visit.problem);
    if (visit.ok) visit.record = added;
  }
  close(lock);
  if (!visit.ok) {
    if (!visit.read) visit.record = ScoreRecord();
    visit.newBest = false;
  }
  return visit;
}

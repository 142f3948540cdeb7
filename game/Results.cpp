// The results of a game and their entry in the player's record.
#include "game/Results.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <ctime>

#include "assets/ModelObject.h"
#include "game/GameState.h"
#include "game/HeistRecorder.h"
#include "game/Rules.h"
#include "game/World.h"
#include "platform/Clock.h"

HeistSummary lastHeist;

namespace {

// Once a run: the folder does not become writable between two heists.
bool recordTroubleReported = false;

std::string localDateNow() {
  const std::time_t now = std::time(nullptr);
  std::tm local = {};
  localtime_r(&now, &local);
  char text[32];
  std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M", &local);
  return text;
}

// m:ss, or h:mm:ss from an hour on.
std::string clockText(std::int32_t seconds) {
  char text[32];
  if (seconds >= 3600) {
    std::snprintf(text, sizeof text, "%d:%02d:%02d", seconds / 3600, seconds / 60 % 60, seconds % 60);
  } else {
    std::snprintf(text, sizeof text, "%d:%02d", seconds / 60, seconds % 60);
  }
  return text;
}

// "2026-12-07 21:04"
std::string shownDate(const std::string& date) {
  std::string shown = date;
  if (shown.size() > 10 && shown[10] == 'T') shown[10] = ' ';
  return shown;
}

int totalOf(const std::int16_t (&counts)[roomRows]) {
  int total = 0;
  for (std::int16_t count : counts) total += count;
  return total;
}

void countTaken(HeistResult& r) {
  r.pictures = r.exhibits = r.swords = 0;
  for (int row = 0; row < roomRows; ++row) {
    for (int i = 0; i < pictureCount[row]; ++i) r.pictures += pictures[row][i]->intact ? 0 : 1;
    for (int i = 0; i < exhibitCount[row]; ++i) r.exhibits += exhibits[row][i]->visible ? 0 : 1;
    for (int i = 0; i < swordCount[row]; ++i) r.swords += swords[row][i]->visible ? 0 : 1;
  }
}

}  // namespace

HeistResult currentHeistResult() {
  HeistResult r;
  r.date = localDateNow();
  r.score = camera->score < 0 ? 0 : camera->score;
  r.seconds = static_cast<std::int32_t>(static_cast<std::uint32_t>(platform::clockMs() - heist.heistStartMs) / 1000u);
  countTaken(r);
  const float health = camera->health < 0.0f ? 0.0f : camera->health;
  r.health = static_cast<std::int32_t>(std::lround(health));
  r.guards = heist.guardsShotDown;
  r.rules = playRules;
  return r;
}

namespace {

// A replay's end: the results as they play out now, the date and the record as they were.
// The score record is neither read nor added to.
void finishWatchedHeist(bool caught) {
  const ReplayHeader& h = watchedHeader;
  HeistSummary summary;
  summary.ended = true;
  summary.caught = caught;
  summary.result = currentHeistResult();
  summary.result.date = h.date;
  summary.recordRead = h.record != "none";
  summary.recordKept = h.record == "kept";
  summary.hasBest = h.hasBest;
  summary.best.score = h.bestScore;
  summary.best.date = h.bestDate;
  summary.newBest = h.newBest;
  lastHeist = summary;
  endHeistRecording(caught ? "caught" : "escaped");
}

}  // namespace

void finishHeist(bool caught) {
  if (watchingReplay) {
    finishWatchedHeist(caught);
    return;
  }
  HeistSummary summary;
  summary.ended = true;
  summary.caught = caught;
  summary.result = currentHeistResult();
  const std::string folder = scoreFolder(std::getenv("XDG_DATA_HOME"), std::getenv("HOME"));
  const ScoreFileVisit visit = visitScoreFile(folder, caught ? nullptr : &summary.result);
  if (!visit.movedAside.empty()) {
    std::printf("%s.\n", visit.movedAside.c_str());
  }
  if (!visit.ok && !recordTroubleReported) {
    recordTroubleReported = true;
    std::printf("The score record cannot be kept (%s); the game goes on without it.\n",
                visit.problem.c_str());
  }
  std::fflush(stdout);
  summary.recordKept = visit.ok;
  summary.recordRead = visit.read;
  const HeistResult* best = bestUnder(visit.record, summary.result.rules);
  summary.hasBest = best != nullptr;
  if (best != nullptr) summary.best = *best;
  summary.newBest = visit.newBest;
  lastHeist = summary;
  endHeistRecording(caught ? "caught" : "escaped");
}

std::vector<std::string> resultsPanelLines(const HeistSummary& s) {
  std::vector<std::string> lines;
  const HeistResult& r = s.result;
  if (s.caught) lines.push_back("CAUGHT - this heist does not enter the record");
  lines.push_back("Taken: pictures " + std::to_string(r.pictures) + " of " +
                  std::to_string(totalOf(pictureCount)) + ", exhibits " +
                  std::to_string(r.exhibits) + " of " + std::to_string(totalOf(exhibitCount)) +
                  ", swords " + std::to_string(r.swords) + " of " +
                  std::to_string(totalOf(swordCount)));
  lines.push_back("Score " + std::to_string(r.score) + "    Time " + clockText(r.seconds) +
                  "    Health " + std::to_string(r.health) + "    Guards brought down " +
                  std::to_string(r.guards));
  // The record keeps a best for each rules and difficulty: the line below is these rules'.
  lines.push_back(std::string("Rules ") + rulesTitle(r.rules.rules) + ", " +
                  difficultyTitle(r.rules.difficulty) + ": the best below is theirs");
  if (s.hasBest) {
    lines.push_back("Best so far: " + std::to_string(s.best.score) + " on " +
                    shownDate(s.best.date) + (s.newBest ? "    NEW BEST!" : ""));
  } else if (s.recordRead) {
    lines.push_back("Best so far: none yet");
  } else {
    lines.push_back("Best so far: unknown (the record cannot be read)");
  }
  // A folder that can be read but not written (read-only, full): the best read stays shown.
  if (s.recordRead && !s.recordKept && !s.caught) {
    lines.push_back("The record cannot be kept: this heist is not in it");
  }
  return lines;
}

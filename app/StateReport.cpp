// The end-of-run statement of the game's state.
#include "app/StateReport.h"

#include <cstdarg>
#include <cstdio>

#include "game/GameState.h"
#include "game/Guard.h"
#include "game/Results.h"
#include "game/Rules.h"
#include "game/Screen.h"
#include "game/StatusLine.h"
#include "game/TextMessage.h"
#include "platform/Clock.h"
#include "render/Scene.h"

namespace {

std::string line(const char* format, ...) __attribute__((format(printf, 1, 2)));

std::string line(const char* format, ...) {
  char buffer[256];
  va_list args;
  va_start(args, format);
  std::vsnprintf(buffer, sizeof buffer, format, args);
  va_end(args);
  return std::string(buffer) + "\n";
}

// The stealth rules' senses follow the classic fields, so that a reader of those stops
// before them.
std::string guardLine(const char* name, const Guard* guard) {
  if (guard == nullptr) return "";
  return line("%s %.3f %.3f %.3f health %d down %d alerted %d gone %d walking %d angle %.1f "
              "suspicious %d off-patrol %d sees %d",
              name, guard->position.x, guard->position.y, guard->position.z, guard->health,
              guard->down, guard->alerted, guard->gone, guard->walking, guard->angle,
              guard->suspicious, guard->offPatrol, guard->seesPlayer);
}

}  // namespace

std::string gameStateReport() {
  std::string report = line("screen %s", screenName());
  report += line("menu.selection %d", static_cast<int>(menuSelection));
  report += line("room %d", heist.currentRoom);
  report += line("rules %s %s", rulesWord(playRules.rules), difficultyWord(playRules.difficulty));
  report += line("alarm %d", heist.alarmActive ? 1 : 0);
  report += line("paused %d", gamePaused() ? 1 : 0);
  if (camera != nullptr) {
    report += line("camera.position %.3f %.3f %.3f", camera->position.x, camera->position.y,
                   camera->position.z);
    report += line("camera.view %.3f %.3f %.3f", camera->view.x, camera->view.y, camera->view.z);
    report += line("score %d", camera->score);
    report += line("bag %.1f", camera->bagLoad);
    report += line("health %.1f", camera->health);
  }
  report += guardLine("guard1", guard1);
  report += guardLine("guard2", guard2);
  if (statusLineShown()) {
    report += line("status-text %s", heist.statusMessage.text);
  }
  if (!menuActive() && hudMessage != nullptr && hudMessage->text != nullptr) {
    report += line("score-text %s", hudMessage->text);
  }
  if (fpsShown && cornerMessage != nullptr && cornerMessage->text != nullptr) {
    report += line("fps-text %s", cornerMessage->text);
  }
  if (heistFinished() && heist.endMessage.text != nullptr) {
    report += line("verdict-text %s", heist.endMessage.text);
  }
  if ((gameOver() || heistFinished()) && lastHeist.ended) {
    for (const std::string& text : resultsPanelLines(lastHeist)) {
      report += line("results-text %s", text.c_str());
    }
  }
  return report;
}

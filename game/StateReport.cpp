// The end-of-run statement of the game's state.
#include "game/StateReport.h"

#include <cstdio>

#include "game/GameState.h"

namespace {

std::string formatVector(const char* name, const Vector3& v) {
  char line[160];
  std::snprintf(line, sizeof line, "%s %.3f %.3f %.3f\n", name, v.x, v.y, v.z);
  return line;
}

}  // namespace

std::string gameStateReport() {
  std::string report;
  if (camera != nullptr) {
    report += formatVector("camera.position", camera->position);
    report += formatVector("camera.view", camera->view);
  }
  return report;
}

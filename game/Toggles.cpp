// The player's switches and the status lines they post.
#include "game/Toggles.h"

#include <GL/gl.h>

#include "assets/Textures.h"
#include "game/Cues.h"
#include "game/GameState.h"
#include "game/Screen.h"
#include "game/StatusLine.h"

namespace {

// Where the toggles' status messages stand.
constexpr int toggleX = 400;
constexpr int toggleY = 686;

}  // namespace

void toggleMusic() {
  musicOn = !musicOn;
  const Cue music = menuActive() ? Cue::MenuMusic : Cue::GameMusic;
  if (musicOn) {
    playCue(music);
  } else {
    stopCue(music);
  }
}

void toggleFps() {
  fpsShown = !fpsShown;
}

void toggleWireframe() {
  heist.wireframeOn = !heist.wireframeOn;
  heist.polygonLines = heist.wireframeOn;
  if (heist.wireframeOn) {
    postStatusMessage(toggleX, toggleY, textGreen, "Wireframe-Modus aktiviert");
  } else {
    postStatusMessage(toggleX, toggleY, textGreen, "Wireframe-Modus deaktiviert");
    heist.messageDuration = 3;
  }
}

void toggleFiltering() {
  trilinearFiltering = !trilinearFiltering;
  if (trilinearFiltering) {
    applyMinificationFilterToAll(GL_LINEAR_MIPMAP_LINEAR);
    postStatusMessage(toggleX, toggleY, textGreen, "Trilineare Filterung");
  } else {
    applyMinificationFilterToAll(GL_LINEAR_MIPMAP_NEAREST);
    postStatusMessage(toggleX, toggleY, textGreen, "Bilineare Filterung");
    heist.messageDuration = 3;
  }
}

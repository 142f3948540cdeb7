// The siren follows the alarm: see Siren.h.
#include "audio/Siren.h"

#include "audio/GameSounds.h"
#include "game/GameState.h"
#include "game/Screen.h"

namespace {

// Whether the siren was started and not stopped since; lives for the whole run.
bool sounding = false;

bool alarmInPlay() {
  return heist.alarmActive && !menuActive() && !gameOver() && !heistFinished();
}

}  // namespace

void updateSiren() {
  if (alarmInPlay() == sounding || sirenSound == nullptr) return;
  sounding = !sounding;
  if (sounding) {
    sirenSound->play();
  } else {
    sirenSound->stop();
  }
}

void silenceSiren() {
  if (sounding && sirenSound != nullptr) sirenSound->stop();
  sounding = false;
}

bool sirenSounding() {
  return sounding;
}

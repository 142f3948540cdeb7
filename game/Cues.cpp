// The cue player the sound system registered, and the calls that reach it.
#include "game/Cues.h"

namespace {

CuePlayer* cuePlayer = nullptr;  // set by the sound system at start-up, for the whole run

}  // namespace

void setCuePlayer(CuePlayer* player) {
  cuePlayer = player;
}

void playCue(Cue cue) {
  if (cuePlayer != nullptr) cuePlayer->play(cue);
}

void stopCue(Cue cue) {
  if (cuePlayer != nullptr) cuePlayer->stop(cue);
}

bool cuePlaying(Cue cue) {
  return cuePlayer != nullptr && cuePlayer->playing(cue);
}

void dimMusicCue(bool dimmed) {
  if (cuePlayer != nullptr) cuePlayer->dimMusic(dimmed);
}

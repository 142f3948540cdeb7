// The status line.
#include "game/StatusLine.h"

#include "game/GameState.h"
#include "game/Screen.h"
#include "platform/Clock.h"

void postStatusMessage(int x, int y, const float* colour, const char* text) {
  heist.statusMessage = TextMessage(x, y, colour);
  heist.statusMessage.setText(text);
  heist.messageTime = platform::clockSecondsDouble();
}

bool statusLineShown() {
  if (heist.statusMessage.text == nullptr) return false;
  if (gamePaused() || gameOver() || heistFinished()) return false;
  return platform::clockSecondsDouble() - heist.messageTime < heist.messageDuration;
}

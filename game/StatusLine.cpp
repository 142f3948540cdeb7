// The status line.
#include "game/StatusLine.h"

#include "game/GameState.h"
#include "platform/Clock.h"
#include "render/TextMessage.h"

void postStatusMessage(int x, int y, const float* colour, const char* text) {
  delete statusMessage;
  statusMessage = new TextMessage(x, y, colour);
  statusMessage->setText(text);
  messageTime = platform::clockSecondsDouble();
}

bool statusLineShown() {
  if (statusMessage == nullptr || statusMessage->text == nullptr) return false;
  if (gamePaused || gameOver || heistFinished) return false;
  return platform::clockSecondsDouble() - messageTime < messageDuration;
}

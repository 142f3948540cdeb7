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

// The status line.
#include "game/StatusLine.h"

#include "game/GameState.h"
#include "platform/Clock.h"

void postStatusMessage(int x, int y, const float* colour, const char* text) {
  heist.statusMessage = TextMessage(x, y, colour);
  heist.statusMessage.setText(text);
  heist.messageTime = platform::clockSecondsDouble();
}

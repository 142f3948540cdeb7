// The character keys.
// TEMPORARY until the menu and the game rules exist: w, s, a, d set the held directions and
// Esc quits, so the museum can be walked and left.
#include "input/Keyboard.h"

#include "app/Idle.h"
#include "app/Shutdown.h"

void keyboardDown(unsigned char key, int, int) {
  switch (key) {
    case 'w': forwardDirection = 1; break;
    case 's': forwardDirection = -1; break;
    case 'a': strafeDirection = -1; break;
    case 'd': strafeDirection = 1; break;
    case 27: quitGame();
    default: break;
  }
}

void keyboardUp(unsigned char key, int, int) {
  switch (key) {
    // Upper case too: Shift pressed while walking must not leave the player walking on.
    case 'w': case 's': case 'W': case 'S': forwardDirection = 0; break;
    case 'a': case 'd': case 'A': case 'D': strafeDirection = 0; break;
    default: break;
  }
}

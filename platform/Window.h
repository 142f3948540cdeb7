// The game's window over freeglut: full screen or not, its size, the screen's size. Every
// call leaves a program without a window (the tests) and the game mode as they are.
#pragma once

namespace platform {

// True once the game's window (or the game mode) is open.
bool windowOpen();
// True in the game mode or a full-screen window.
bool fullScreenShown();
// Full screen and a window, both ways (F11). The game mode has no window to go back to.
void toggleFullScreen();
// A window's new size in pixels; nothing in full screen (the settings keep it for the next
// start).
void resizeWindow(int width, int height);
// The screen's size in pixels; 0 without a display.
int screenPixelsWide();
int screenPixelsHigh();

}  // namespace platform

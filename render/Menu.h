// The menu pages: the main menu with its highlighted entry, the controls page and the
// credits page, each one full-screen texture from menuTextures.
#pragma once

// Draws the page the game state asks for over the whole screen. Called by the display
// callback every frame while menuActive is set.
void drawMenu();

// The menu pages: the main menu with its highlighted entry, the controls page and the
// credits page, each one full-screen texture from menuTextures.
#pragma once

// Takes the six page files in menuTextures order (kept, not copied) and checks that each can
// be opened; each page is uploaded into menuTextures the first time drawMenu shows it. A file
// that can't be opened ends the game as a failed texture load does. Needs the GL context.
void noteMenuPages(const char* const* fileNames);

// Draws the page the game state asks for over the whole screen. Called by the display
// callback every frame while menuActive is set.
void drawMenu();

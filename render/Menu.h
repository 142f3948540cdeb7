// The menu pages: the main menu with its highlighted entry, the controls page and the
// credits page, each one full-screen texture from menuTextures.
#pragma once

// Takes the six page files in menuTextures order (kept, not copied) and checks that each can
// be opened. From then on drawMenu keeps only the page it shows in menuTextures (the others
// are 0), uploading it when it comes up. A file that can't be opened ends the game as a
// failed texture load does. Needs the GL context. Null leaves menuTextures to the caller.
void noteMenuPages(const char* const* fileNames);

// Lets go of the page's texture while the menu is not on screen (a new game calls it); the
// next drawMenu uploads it again.
void releaseMenuPage();

// Draws the page the game state asks for over the whole screen. Called by the display
// callback every frame while menuActive is set.
void drawMenu();

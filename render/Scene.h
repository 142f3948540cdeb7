// What the drawing sets up once at start-up, before the world: the textures of the menu, the
// HUD, the skyline and the switches, the glyph atlases, the display lists, the fixed GL state
// and the HUD's text lines. Kept until the program ends.
#pragma once

#include <GL/gl.h>

class TextMessage;

// The main menu with each entry highlighted (start, controls, credits, options, quit), then
// the controls page and the credits page.
constexpr int menuPageCount = 7;
extern GLuint menuTextures[menuPageCount];
extern GLuint hudIcons[3];         // heart, bag, police
extern GLuint skylineTextures[2];  // skyline, sky
extern GLuint switchTextures[2];   // switch front, switch side

extern TextMessage* hudMessage;         // the score line
extern TextMessage* gameOverMessage;
extern TextMessage* backToMenuMessage;
extern TextMessage* cornerMessage;      // the frames-per-second line

// Loads and builds all of it; ends the program when a texture or an atlas fails.
void initScene();

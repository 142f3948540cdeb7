// The menu pages.
#include "render/Menu.h"

#include <GL/gl.h>

#include "app/Startup.h"
#include "game/GameState.h"
#include "game/World.h"
#include "render/Overlay.h"

namespace {

// menuTextures: entries 0..3 the main menu with that selection highlighted, 4 the controls
// page, 5 the credits page.
constexpr int controlsPage = 4;
constexpr int creditsPage = 5;

GLuint currentPage() {
  if (creditsShown) {
    return menuTextures[creditsPage];
  }
  if (controlsShown) {
    return menuTextures[controlsPage];
  }
  // The keys hold the selection within 0..3; anything else shows the first entry rather
  // than reading past the table.
  const int entry = (menuSelection >= 0 && menuSelection <= 3) ? menuSelection : 0;
  return menuTextures[entry];
}

}  // namespace

void drawMenu() {
  glDisable(GL_CULL_FACE);
  beginOverlay(0, 0, screenWidth, screenHeight);
  glEnable(GL_TEXTURE_2D);
  glBindTexture(GL_TEXTURE_2D, currentPage());
  // The image's top row (t = 1) at the top of the screen.
  glBegin(GL_QUADS);
  glTexCoord2f(0.0f, 1.0f);
  glVertex2i(0, 0);
  glTexCoord2f(1.0f, 1.0f);
  glVertex2i(screenWidth, 0);
  glTexCoord2f(1.0f, 0.0f);
  glVertex2i(screenWidth, screenHeight);
  glTexCoord2f(0.0f, 0.0f);
  glVertex2i(0, screenHeight);
  glEnd();
  glEnable(GL_CULL_FACE);
  glDisable(GL_TEXTURE_2D);
  endOverlay();
}

// The menu pages. A page is a 4:3 picture laid out for a 1024x768 screen: it fills the
// window's height (or its width, in a window narrower than 4:3) in the middle, and what the
// window has beside it shows the same page, blurred and dimmed, as a backdrop.
#include "render/Menu.h"

#include <GL/gl.h>

#include <unistd.h>

#include <cstdio>
#include <string>

#include "assets/Textures.h"
#include "game/Screen.h"
#include "platform/RegularFile.h"
#include "platform/Screen.h"
#include "render/Overlay.h"
#include "render/Scene.h"

namespace {

// menuTextures: entries 0..4 the main menu with that selection highlighted, 5 the controls
// page, 6 the credits page.
constexpr int controlsPage = 5;
constexpr int creditsPage = 6;
constexpr int pageCount = menuPageCount;

// ---- Set at start-up by noteMenuPages, then by each change of the page shown ----
// A page is 5.3 MB of texture with its mipmaps, and a glance at the menu shows one page: only
// the page on screen is kept, uploaded when it comes up (a key press in the menu costs one
// page's decode and upload), which leaves at most one page in memory instead of seven.
const char* const* pageFiles = nullptr;
int loadedPage = -1;  // the page in menuTextures that this file uploaded, -1 for none

// The backdrop samples the page's small mipmap levels (a 32-pixel one for 1024 pixels) and
// takes a third of its brightness, so it reads as the page's glow, not as the page.
constexpr float backdropLodBias = 5.0f;
constexpr float backdropBrightness = 0.35f;

int currentPageIndex() {
  if (creditsShown()) {
    return creditsPage;
  }
  if (controlsShown()) {
    return controlsPage;
  }
  // The entries' pages come first, in the entries' order.
  return static_cast<int>(menuSelection);
}

GLuint currentPage() {
  const int page = currentPageIndex();
  if (pageFiles != nullptr && page != loadedPage) {
    // The old page goes first, so that the new one can take its memory.
    releaseMenuPage();
    loadTextureInto(menuTextures, pageFiles[page], page);
    loadedPage = page;
  }
  return menuTextures[page];
}

bool canOpen(const char* fileName) {
  std::string problem;
  const int fd = platform::openRegularFile(fileName, problem);
  if (fd < 0) return false;
  char byte = 0;
  const bool hasBytes = read(fd, &byte, 1) == 1;
  close(fd);
  return hasBytes;
}

// The image's top row (t = 1) at the top.
void texturedQuad(float x0, float y0, float x1, float y1) {
  glBegin(GL_QUADS);
  glTexCoord2f(0.0f, 1.0f);
  glVertex2f(x0, y0);
  glTexCoord2f(1.0f, 1.0f);
  glVertex2f(x1, y0);
  glTexCoord2f(1.0f, 0.0f);
  glVertex2f(x1, y1);
  glTexCoord2f(0.0f, 0.0f);
  glVertex2f(x0, y1);
  glEnd();
}

// The page scaled up until it covers the whole window, centred, blurred and dim.
void drawBackdrop(float w, float h) {
  const float cover = w * 3.0f > h * 4.0f ? w / platform::layoutWidth : h / platform::layoutHeight;
  const float pageW = platform::layoutWidth * cover, pageH = platform::layoutHeight * cover;
  // It writes no depth: the page goes over it at the same depth.
  glDepthMask(GL_FALSE);
  glTexEnvf(GL_TEXTURE_FILTER_CONTROL, GL_TEXTURE_LOD_BIAS, backdropLodBias);
  glColor3f(backdropBrightness, backdropBrightness, backdropBrightness);
  texturedQuad((w - pageW) * 0.5f, (h - pageH) * 0.5f, (w + pageW) * 0.5f, (h + pageH) * 0.5f);
  glTexEnvf(GL_TEXTURE_FILTER_CONTROL, GL_TEXTURE_LOD_BIAS, 0.0f);
  glDepthMask(GL_TRUE);
}

}  // namespace

void noteMenuPages(const char* const* fileNames) {
  pageFiles = fileNames;
  loadedPage = -1;
  for (int page = 0; fileNames != nullptr && page < pageCount; ++page) {
    menuTextures[page] = 0;
    // A missing or empty page still ends the game at start-up, with the loader's own lines.
    if (!canOpen(fileNames[page])) loadTextureInto(menuTextures, fileNames[page], page);
  }
}

void releaseMenuPage() {
  if (pageFiles == nullptr || loadedPage < 0) return;
  deleteTexture(menuTextures[loadedPage]);
  menuTextures[loadedPage] = 0;
  loadedPage = -1;
}

void drawMenu() {
  const int w = platform::windowWidth(), h = platform::windowHeight();
  const platform::WindowPoint topLeft = platform::toWindow(0.0f, 0.0f, platform::Anchor::Centre);
  const platform::WindowPoint bottomRight = platform::toWindow(
      static_cast<float>(platform::layoutWidth), static_cast<float>(platform::layoutHeight),
      platform::Anchor::Centre);
  glDisable(GL_CULL_FACE);
  beginOverlay(0, 0, w, h);
  glEnable(GL_TEXTURE_2D);
  glBindTexture(GL_TEXTURE_2D, currentPage());
  glPushAttrib(GL_CURRENT_BIT);
  const bool pageFillsWindow = topLeft.x <= 0.0f && topLeft.y <= 0.0f &&
                               bottomRight.x >= static_cast<float>(w) &&
                               bottomRight.y >= static_cast<float>(h);
  if (!pageFillsWindow) {
    drawBackdrop(static_cast<float>(w), static_cast<float>(h));
  }
  glColor3f(1.0f, 1.0f, 1.0f);
  texturedQuad(topLeft.x, topLeft.y, bottomRight.x, bottomRight.y);
  glPopAttrib();
  glEnable(GL_CULL_FACE);
  glDisable(GL_TEXTURE_2D);
  endOverlay();
}

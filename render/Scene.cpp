// The scene's set-up at start-up: the textures of the menu, the HUD, the skyline and the
// switches, the glyph atlases, the display lists, the fixed GL state and the HUD's text lines.
#include "render/Scene.h"

#include <GL/freeglut.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "assets/Textures.h"
#include "game/TextMessage.h"
#include "render/GlyphText.h"
#include "render/Lights.h"
#include "render/Menu.h"
#include "render/StaticGeometry.h"

GLuint menuTextures[menuPageCount];
GLuint hudIcons[3];
GLuint skylineTextures[2];
GLuint switchTextures[2];

TextMessage* hudMessage = nullptr;
TextMessage* gameOverMessage = nullptr;
TextMessage* backToMenuMessage = nullptr;
TextMessage* cornerMessage = nullptr;

namespace {

// ---- Texture tables ----
const char* const menuTextureFiles[menuPageCount] = {
    "data/textures/menue/menue_1start.bmp", "data/textures/menue/menue_1showC.bmp",
    "data/textures/menue/menue_1showCr.bmp", "data/textures/menue/menue_1options.bmp",
    "data/textures/menue/menue_1quit.bmp",
    "data/textures/menue/menue_1help.bmp",  "data/textures/menue/menue_1credits.bmp"};
const char* const hudIconFiles[3] = {"data/textures/heart.bmp", "data/textures/bag.bmp",
                                     "data/textures/police.bmp"};
const char* const skylineTextureFiles[2] = {"data/textures/skyline/skyline.bmp",
                                            "data/textures/skyline/sky.bmp"};
const char* const switchTextureFiles[2] = {"data/textures/switch.bmp",
                                           "data/textures/switch_side.bmp"};

// Step 2.
void loadTextureTables() {
  noteMenuPages(menuTextureFiles);
  loadTextures(hudIcons, hudIconFiles, 3);
  loadTextures(skylineTextures, skylineTextureFiles, 2);
  loadTextures(switchTextures, switchTextureFiles, 2);
}

// The text lines' glyph atlases, with the textures: a missing one ends the program.
void loadTextFaces() {
  std::string error;
  if (!loadGlyphAtlases(error)) {
    std::printf("Error: %s\n", error.c_str());
    std::fflush(stdout);
    std::exit(1);
  }
}

// Step 5.
GLuint compileList(void (*build)()) {
  const GLuint list = glGenLists(1);
  glNewList(list, GL_COMPILE);
  build();
  glEndList();
  return list;
}

void compileDisplayLists() {
  overlayList = compileList(buildOverlayList);
  skylineList = compileList(buildSkylineList);
  switchList = compileList(buildSwitchList);
}

// Step 6.
void setAlarmLight(GLenum light, float x, float y, float z) {
  const float ambient[4] = {0.5f, 0.0f, 0.0f, 1.0f};
  const float diffuse[4] = {0.5f, 0.0f, 0.0f, 1.0f};
  const float specular[4] = {0.6f, 0.0f, 0.0f, 1.0f};
  const float position[4] = {x, y, z, 1.0f};
  glLightfv(light, GL_AMBIENT, ambient);
  glLightfv(light, GL_DIFFUSE, diffuse);
  glLightfv(light, GL_SPECULAR, specular);
  glLightfv(light, GL_POSITION, position);
}

void setFixedGlState() {
  glEnable(GL_DEPTH_TEST);
  glEnable(GL_CULL_FACE);
  glFrontFace(GL_CCW);
  glShadeModel(GL_SMOOTH);
  glEnable(GL_LINE_SMOOTH);
  glEnable(GL_POLYGON_SMOOTH);
  const float globalAmbient[4] = {0.2f, 0.2f, 0.2f, 1.0f};
  glLightModelfv(GL_LIGHT_MODEL_AMBIENT, globalAmbient);
  setAlarmLight(GL_LIGHT5, 177.0f, 10.0f, 164.0f);
  setAlarmLight(GL_LIGHT6, 395.0f, 10.0f, 164.0f);
  setAlarmLight(GL_LIGHT7, 281.0f, 10.0f, 386.0f);
  // The room lights shine in every game; the alarm lights only while the alarm blinks.
  setRoomLightFalloff();
  for (GLenum light = GL_LIGHT0; light <= GL_LIGHT4; ++light) glEnable(light);
  glEnableClientState(GL_VERTEX_ARRAY);
  glEnableClientState(GL_NORMAL_ARRAY);
  glEnableClientState(GL_TEXTURE_COORD_ARRAY);
  glEnable(GL_AUTO_NORMAL);
  glEnable(GL_NORMALIZE);
  glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_REPEAT);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_REPEAT);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR_MIPMAP_LINEAR);
}

// Step 8.
void createMessageLines() {
  hudMessage = new TextMessage(10, 34, textRed, platform::Anchor::TopLeft);
  gameOverMessage = new TextMessage(250, 400, textRed);
  gameOverMessage->setText("Now you have plenty of time to think 'bout it: GAME OVER");
  backToMenuMessage = new TextMessage(350, 450, textRed);
  backToMenuMessage->setText("Press any key to go back to the main menue!");
  cornerMessage = new TextMessage(900, 690, textCyan, platform::Anchor::BottomRight);
}

}  // namespace

void initScene() {
  loadTextureTables();
  loadTextFaces();
  compileDisplayLists();
  setFixedGlState();
  createMessageLines();
}

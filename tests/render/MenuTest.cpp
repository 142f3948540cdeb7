// The menu page for every screen of the menu: each of the six images in menuTextures is a
// different solid colour, and the whole screen must show the one the game state asks for.
#include <gtest/gtest.h>

#include <string>

#include "assets/AssetTestSupport.h"
#include "assets/Textures.h"
#include "game/GameState.h"
#include "game/Screen.h"
#include "game/World.h"
#include "render/Menu.h"
#include "render/RenderProbe.h"
#include "render/Scene.h"
#include "support/GlContext.h"

using namespace renderprobe;

namespace {

const std::uint8_t pageColours[menuPageCount][3] = {
    {255, 0, 0}, {0, 255, 0}, {0, 0, 255}, {255, 255, 0}, {0, 255, 255}, {255, 0, 255},
    {255, 255, 255}};

class MenuTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!testsupport::ensureGlContext(width, height)) {
      GTEST_SKIP() << "no X display";
    }
    for (int i = 0; i < menuPageCount; ++i) {
      menuTextures[i] = solidTexture(pageColours[i][0], pageColours[i][1], pageColours[i][2]);
    }
  }
  void TearDown() override {
    // Nothing may be left queued for the renderer when the process exits.
    glFinish();
    glDeleteTextures(menuPageCount, menuTextures);
    menuSelection = MenuEntry::Start;
    currentScreen = GameScreen::Menu;
  }

  // The page index whose colour covers the centre and two opposite corners, or -1.
  static int pageOnScreen() {
    beginGameFrame();
    drawMenu();
    for (int i = 0; i < menuPageCount; ++i) {
      const auto is = [i](const Rgb& p) {
        return near(p, pageColours[i][0] / 255.0f, pageColours[i][1] / 255.0f, pageColours[i][2] / 255.0f);
      };
      if (is(pixelAt(width / 2, height / 2)) && is(pixelAt(0, 0)) && is(pixelAt(width - 1, height - 1))) return i;
    }
    return -1;
  }
};

TEST_F(MenuTest, EachScreenShowsItsOwnPage) {
  for (std::int16_t selection = 0; selection < 5; ++selection) {
    menuSelection = static_cast<MenuEntry>(selection);
    EXPECT_EQ(pageOnScreen(), selection);
  }
  menuSelection = MenuEntry::Controls;
  currentScreen = GameScreen::ControlsPage;
  EXPECT_EQ(pageOnScreen(), 5);
  currentScreen = GameScreen::Menu;
  menuSelection = MenuEntry::Credits;
  currentScreen = GameScreen::CreditsPage;
  EXPECT_EQ(pageOnScreen(), 6);
  // The controls page from the pause menu is the same page.
  currentScreen = GameScreen::PauseControls;
  EXPECT_EQ(pageOnScreen(), 5);
}

TEST_F(MenuTest, PagesFromFilesComeUpWhenShownAndOnlyTheShownOneStays) {
  glDeleteTextures(menuPageCount, menuTextures);
  static std::string files[menuPageCount];
  static const char* names[menuPageCount];
  for (int i = 0; i < menuPageCount; ++i) {
    const std::uint8_t* c = pageColours[i];
    files[i] = assettest::writeFile("page" + std::to_string(i) + ".bmp",
                                    assettest::bmp24(2, 2, {c[0], c[1], c[2], c[0], c[1], c[2],
                                                            c[0], c[1], c[2], c[0], c[1], c[2]}));
    names[i] = files[i].c_str();
  }
  noteMenuPages(names);
  for (const std::int16_t selection : {2, 0, 3}) {
    menuSelection = static_cast<MenuEntry>(selection);
    EXPECT_EQ(pageOnScreen(), selection);
    for (int i = 0; i < menuPageCount; ++i) EXPECT_EQ(menuTextures[i] != 0, i == selection) << i;
  }
  currentScreen = GameScreen::CreditsPage;
  EXPECT_EQ(pageOnScreen(), 6);
  currentScreen = GameScreen::Menu;
  EXPECT_EQ(pageOnScreen(), 3);
  deleteTexture(menuTextures[3]);
  menuTextures[3] = 0;
  noteMenuPages(nullptr);
}

}  // namespace

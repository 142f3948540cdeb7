// The pad in the test process, through SDL's virtual pad: the menus, the end screens and the
// pause, the pause menu and the options driven by its buttons, the bindings table obeyed, the sticks walking and turning at
// the player's speed, a drifting stick ignored until the player moves it, and pads plugged in
// and out while the game runs.
#include <gtest/gtest.h>

#include <SDL2/SDL.h>

#include <cmath>
#include <fstream>
#include <sstream>
#include <string>

#include "VirtualPad.h"
#include "app/GameOptions.h"
#include "app/OptionsPage.h"
#include "game/GameState.h"
#include "game/MenuPage.h"
#include "game/Screen.h"
#include "input/Gamepad.h"
#include "input/HeldKeys.h"
#include "input/PadBindings.h"
#include "platform/Clock.h"
#include "support/GameWorld.h"

namespace {

constexpr double pi = 3.141592653589793;
std::string readSettingsText(const std::string& path) {
  std::ifstream in(path);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

bool quitAsked = false;
void recordQuit() { quitAsked = true; }

double yawDegrees() {
  return std::atan2(camera->view.z - camera->position.z, camera->view.x - camera->position.x) *
         180.0 / pi;
}
double pitchDegrees() {
  const Vector3 v = camera->view - camera->position;
  return std::atan2(v.y, std::hypot(v.x, v.z)) * 180.0 / pi;
}

class Pad : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!testsupport::ensureWorld()) GTEST_SKIP() << "no X display";
    testsupport::resetToMenu();
    resetPadBindings();
    padOptions = PadOptions();
    quitAsked = false;
    quitProgram = recordQuit;
    ASSERT_TRUE(startGamepads());
    plugIn();
  }
  void TearDown() override {
    virtualpad::detach();
    frame();
    stopGamepads();
    testsupport::resetToMenu();
  }
  void plugIn() {
    std::string error;
    ASSERT_TRUE(virtualpad::attach(error)) << error;
    frame();
  }
  // One frame of 1/60 s of game time, as the display reads the pads.
  void frame() {
    platform::advanceVirtualClockMicros(16667);
    readGamepads();
  }
  void frames(int n) {
    for (int i = 0; i < n; ++i) frame();
  }
  void press(SDL_GameControllerButton button) {
    virtualpad::setButton(button, true);
    frame();
    virtualpad::setButton(button, false);
    frame();
  }
  void tilt(SDL_GameControllerAxis axis, double value) {
    virtualpad::setAxis(axis, value);
    frame();
  }
};

TEST_F(Pad, MenusMoveWithTheDpadAndTheStickAChoosesAndBGoesBackButNeverQuits) {
  press(SDL_CONTROLLER_BUTTON_DPAD_DOWN);
  EXPECT_EQ(menuSelection, MenuEntry::Controls);
  tilt(SDL_CONTROLLER_AXIS_LEFTY, 1.0);  // held: one move, not one a frame
  frames(10);
  EXPECT_EQ(menuSelection, MenuEntry::Credits);
  tilt(SDL_CONTROLLER_AXIS_LEFTY, 0.0);
  press(SDL_CONTROLLER_BUTTON_DPAD_UP);
  EXPECT_EQ(menuSelection, MenuEntry::Controls);
  press(SDL_CONTROLLER_BUTTON_A);
  EXPECT_EQ(currentScreen, GameScreen::ControlsPage);
  press(SDL_CONTROLLER_BUTTON_B);
  EXPECT_EQ(currentScreen, GameScreen::Menu);
  EXPECT_EQ(menuSelection, MenuEntry::Controls);
  // B in the main menu does nothing, whatever is selected; A on Quit quits.
  press(SDL_CONTROLLER_BUTTON_DPAD_DOWN);
  press(SDL_CONTROLLER_BUTTON_DPAD_DOWN);
  press(SDL_CONTROLLER_BUTTON_DPAD_DOWN);
  EXPECT_EQ(menuSelection, MenuEntry::Quit);
  press(SDL_CONTROLLER_BUTTON_B);
  EXPECT_FALSE(quitAsked);
  EXPECT_EQ(currentScreen, GameScreen::Menu);
  press(SDL_CONTROLLER_BUTTON_A);
  EXPECT_TRUE(quitAsked);
}

TEST_F(Pad, EndScreensAndTheHelpPageGoOnWithAnyControlAsWithAnyKey) {
  press(SDL_CONTROLLER_BUTTON_A);
  ASSERT_EQ(currentScreen, GameScreen::Playing);
  press(SDL_CONTROLLER_BUTTON_BACK);
  EXPECT_EQ(currentScreen, GameScreen::HelpFromPlay);
  press(SDL_CONTROLLER_BUTTON_B);
  EXPECT_EQ(currentScreen, GameScreen::Playing);
  endCaught();
  ASSERT_EQ(currentScreen, GameScreen::GameOver);
  press(SDL_CONTROLLER_BUTTON_X);
  EXPECT_EQ(currentScreen, GameScreen::Menu);
}

TEST_F(Pad, StartPausesAndGoesOnAndWhilePausedOnlyStartAndBCount) {
  press(SDL_CONTROLLER_BUTTON_A);
  ASSERT_EQ(currentScreen, GameScreen::Playing);
  press(SDL_CONTROLLER_BUTTON_START);
  EXPECT_EQ(currentScreen, GameScreen::Paused);
  EXPECT_TRUE(platform::clockPaused());
  const std::int16_t pace = camera->walkPace;
  press(SDL_CONTROLLER_BUTTON_LEFTSHOULDER);
  press(SDL_CONTROLLER_BUTTON_BACK);
  EXPECT_EQ(camera->walkPace, pace);
  EXPECT_EQ(currentScreen, GameScreen::Paused);
  press(SDL_CONTROLLER_BUTTON_START);
  EXPECT_EQ(currentScreen, GameScreen::Playing);
  EXPECT_FALSE(platform::clockPaused());
  press(SDL_CONTROLLER_BUTTON_START);
  press(SDL_CONTROLLER_BUTTON_B);
  EXPECT_EQ(currentScreen, GameScreen::Menu);
  EXPECT_FALSE(quitAsked);
}

TEST_F(Pad, TheBindingsTableDecidesWhichControlDoesWhat) {
  press(SDL_CONTROLLER_BUTTON_A);
  padBindings.control[static_cast<int>(PadAction::Pause)] = PadControl::RightShoulder;
  press(SDL_CONTROLLER_BUTTON_START);
  EXPECT_EQ(currentScreen, GameScreen::Playing);
  press(SDL_CONTROLLER_BUTTON_RIGHTSHOULDER);
  EXPECT_EQ(currentScreen, GameScreen::Paused);
  press(SDL_CONTROLLER_BUTTON_RIGHTSHOULDER);
  EXPECT_EQ(currentScreen, GameScreen::Playing);
  // A trigger binds as a button does.
  padBindings.control[static_cast<int>(PadAction::SwitchPace)] = PadControl::LeftTrigger;
  const std::int16_t pace = camera->walkPace;
  tilt(SDL_CONTROLLER_AXIS_TRIGGERLEFT, 0.4);
  EXPECT_EQ(camera->walkPace, pace);
  tilt(SDL_CONTROLLER_AXIS_TRIGGERLEFT, 0.9);
  frames(3);
  EXPECT_NE(camera->walkPace, pace);
  EXPECT_STREQ(padControlName(padControlFor(PadAction::SwitchPace)), "left trigger");
}

TEST_F(Pad, TheLeftStickWalksInPlayOnlyAndAHeldKeyWins) {
  tilt(SDL_CONTROLLER_AXIS_LEFTY, -1.0);
  EXPECT_EQ(padForward, 0);  // the menu
  tilt(SDL_CONTROLLER_AXIS_LEFTY, 0.0);
  press(SDL_CONTROLLER_BUTTON_A);
  tilt(SDL_CONTROLLER_AXIS_LEFTY, -1.0);
  EXPECT_EQ(walkingForward(), 1);
  tilt(SDL_CONTROLLER_AXIS_LEFTX, -0.9);
  EXPECT_EQ(walkingSideways(), -1);
  tilt(SDL_CONTROLLER_AXIS_LEFTY, 0.12);  // inside the dead zone
  EXPECT_EQ(walkingForward(), 0);
  tilt(SDL_CONTROLLER_AXIS_LEFTY, 1.0);
  EXPECT_EQ(walkingForward(), -1);
  forwardDirection = 1;
  EXPECT_EQ(walkingForward(), 1);
  forwardDirection = 0;
  press(SDL_CONTROLLER_BUTTON_LEFTSHOULDER);
  EXPECT_EQ(camera->walkPace, 4);
  press(SDL_CONTROLLER_BUTTON_LEFTSHOULDER);
  EXPECT_EQ(camera->walkPace, 2);
  // Swapped, the right stick walks and the left one turns.
  padOptions.swapSticks = true;
  frame();
  EXPECT_EQ(walkingForward(), 0);
  const double before = yawDegrees();
  frames(10);
  EXPECT_NE(yawDegrees(), before);
}

// Full tilt at the player's speed is played through the replay driver (PadScenario).
TEST_F(Pad, TheRightStickTurnsGentlyForSmallTiltsAndLooksUpOrInvertedDown) {
  press(SDL_CONTROLLER_BUTTON_A);
  // A small tilt turns a small fraction: the response curve, not the tilt itself.
  padOptions.turnSpeed = 180.0f;
  const double before = yawDegrees();
  virtualpad::setAxis(SDL_CONTROLLER_AXIS_RIGHTX, -0.3);
  frames(60);
  virtualpad::setAxis(SDL_CONTROLLER_AXIS_RIGHTX, 0.0);
  frame();
  const double gentle = std::remainder(yawDegrees() - before, 360.0);
  EXPECT_GT(std::fabs(gentle), 1.0);
  EXPECT_LT(std::fabs(gentle), 0.1 * 180.0);
  // Up looks up, or down when inverted.
  const double level = pitchDegrees();
  tilt(SDL_CONTROLLER_AXIS_RIGHTY, -1.0);
  frames(5);
  EXPECT_GT(pitchDegrees(), level + 5.0);
  padOptions.inverted = true;
  const double up = pitchDegrees();
  frames(5);
  EXPECT_LT(pitchDegrees(), up - 5.0);
}

TEST(PadStick, IsDeadInsideItsZoneGentleJustBeyondAndWholeAtFullTilt) {
  EXPECT_EQ(stickResponse(0.15f, 0.15f), 0.0f);
  EXPECT_EQ(stickResponse(-0.1f, 0.15f), 0.0f);
  EXPECT_FLOAT_EQ(stickResponse(1.0f, 0.15f), 1.0f);
  EXPECT_FLOAT_EQ(stickResponse(-1.0f, 0.15f), -1.0f);
  EXPECT_FLOAT_EQ(stickResponse(0.5f, 0.0f), 0.25f);
  EXPECT_LT(stickResponse(0.3f, 0.15f), 0.05f);
  EXPECT_GT(stickResponse(0.3f, 0.15f), 0.0f);
  float last = 0.0f;
  for (float v = 0.0f; v <= 1.0f; v += 0.05f) {
    EXPECT_GE(stickResponse(v, 0.2f), last) << v;
    last = stickResponse(v, 0.2f);
  }
}

}  // namespace

TEST_F(Pad, ThePauseMenuAndTheOptionsPageAreDrivenByThePad) {
  optionsPage = &optionsMenuPage();
  bindingsPage = &keyBindingsPage();
  const std::string saved = std::string(VAULTRUN_BINARY_DIR) + "/test-config-pad/settings.ini";
  noteSettingsFile("1024x768\n", saved);
  const int volume = gameOptions.musicVolume;
  press(SDL_CONTROLLER_BUTTON_A);
  press(SDL_CONTROLLER_BUTTON_START);
  ASSERT_EQ(currentScreen, GameScreen::Paused);
  press(SDL_CONTROLLER_BUTTON_DPAD_DOWN);
  press(SDL_CONTROLLER_BUTTON_A);
  ASSERT_EQ(currentScreen, GameScreen::OptionsPage);
  EXPECT_TRUE(gamePaused());
  // Down to the music volume with the stick, pushed and let go six times; the d-pad's left
  // turns it down.
  for (int row = 0; row < 6; ++row) {
    tilt(SDL_CONTROLLER_AXIS_LEFTY, 1.0);
    tilt(SDL_CONTROLLER_AXIS_LEFTY, 0.0);
  }
  press(SDL_CONTROLLER_BUTTON_DPAD_LEFT);
  EXPECT_EQ(gameOptions.musicVolume, volume - 10);
  // B goes back to the pause menu, with the change saved; Start goes on playing.
  press(SDL_CONTROLLER_BUTTON_B);
  EXPECT_EQ(currentScreen, GameScreen::Paused);
  press(SDL_CONTROLLER_BUTTON_START);
  EXPECT_EQ(currentScreen, GameScreen::Playing);
  EXPECT_FALSE(platform::clockPaused());
  EXPECT_NE(readSettingsText(saved).find("music-volume = " + std::to_string(volume - 10)),
            std::string::npos);
  gameOptions = GameOptions();
  applyGameOptions();
}

TEST_F(Pad, TheBindingsPageWaitingForAButtonTakesTheNextOneAndBGoesBackAfter) {
  optionsPage = &optionsMenuPage();
  bindingsPage = &keyBindingsPage();
  openOptions();
  openBindings();
  ASSERT_EQ(currentScreen, GameScreen::BindingsPage);
  MenuPage& page = keyBindingsPage();
  for (int row = 0; row < page.rowCount(); ++row) {
    if (page.rowAt(row).label == std::string("Pad: ") + padActionName(PadAction::Take)) {
      page.selected = row;
    }
  }
  page.choose(page.selected);
  ASSERT_TRUE(page.waitingForKey());
  press(SDL_CONTROLLER_BUTTON_RIGHTSHOULDER);
  EXPECT_FALSE(page.waitingForKey());
  EXPECT_EQ(padControlFor(PadAction::Take), PadControl::RightShoulder);
  EXPECT_EQ(currentScreen, GameScreen::BindingsPage);
  press(SDL_CONTROLLER_BUTTON_B);
  EXPECT_EQ(currentScreen, GameScreen::OptionsPage);
  gameOptions = GameOptions();
  applyGameOptions();
  EXPECT_EQ(padControlFor(PadAction::Take), PadControl::A);
}

// The game's rules driven through the real callbacks on the real world, with the virtual
// clock: menu states, taking and the bag, the drop zone, leaving and the verdicts, restarting,
// the player's shots, the toggles and the music, and the sounds each action plays.
#include <gtest/gtest.h>

#include <GL/freeglut.h>

#include <cstring>
#include <string>
#include <vector>

#include "app/Display.h"
#include "assets/ModelObject.h"
#include "audio/GameSounds.h"
#include "audio/Sound.h"
#include "game/FrameUpdate.h"
#include "game/GameState.h"
#include "game/HeistRecorder.h"
#include "game/Guard.h"
#include "game/Results.h"
#include "game/Screen.h"
#include "game/TextMessage.h"
#include "game/World.h"
#include "input/FunctionKeys.h"
#include "input/HeldKeys.h"
#include "input/Keyboard.h"
#include "input/Mouse.h"
#include "platform/Clock.h"
#include "render/Frame.h"
#include "render/Scene.h"
#include "support/GameWorld.h"

using testsupport::placePlayer;

namespace {

using Sounds = std::vector<const Sound*>;

void key(unsigned char k) {
  keyboardDown(k, 0, 0);
  keyboardUp(k, 0, 0);
}

void special(int k) {
  specialDown(k, 0, 0);
  specialUp(k, 0, 0);
}

std::string statusText() {
  return heist.statusMessage.text != nullptr ? heist.statusMessage.text : "";
}

class GameRules : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!testsupport::ensureWorld()) GTEST_SKIP() << "no X display";
    testsupport::setClockSeconds(100.0);
    testsupport::startGame();
    startSoundRecording();
  }
  void TearDown() override { stopSoundRecording(); }

  // Room 2, exhibit 0: a sphere at (335, 0.3, 132) with nothing else within reach.
  ModelObject* lonelyExhibit() { return exhibits[0][0]; }
  void standAtLonelyExhibit() {
    heist.currentRoom = 2;
    placePlayer(lonelyExhibit()->position);
  }
};

TEST_F(GameRules, MenuSelectionStaysWithinItsFiveEntriesAndClapsOnlyWhenItMoves) {
  testsupport::resetToMenu();
  startSoundRecording();
  key('w');                                            // at 0: stays, silent
  EXPECT_EQ(static_cast<int>(menuSelection), 0);
  EXPECT_TRUE(playedSounds().empty());
  key('s'); key('s'); key('s'); key('s'); key('s');    // 1, 2, 3, 4, then stays at 4
  EXPECT_EQ(menuSelection, MenuEntry::Quit);
  EXPECT_EQ(playedSounds(), (Sounds{clapsSound, clapsSound, clapsSound, clapsSound}));
  special(GLUT_KEY_UP);
  EXPECT_EQ(menuSelection, MenuEntry::Options);
}

TEST_F(GameRules, EnterOpensAndClosesThePagesAndStartsAGame) {
  testsupport::resetToMenu();
  menuSelection = static_cast<MenuEntry>(1);
  key(13);
  EXPECT_TRUE(controlsShown());
  key(13);
  EXPECT_FALSE(controlsShown());
  EXPECT_EQ(static_cast<int>(menuSelection), 1);
  EXPECT_TRUE(menuActive());

  menuSelection = static_cast<MenuEntry>(0);
  startSoundRecording();
  key(13);
  EXPECT_FALSE(menuActive());
  EXPECT_EQ(statusText(), "It's your turn now, baby!");
  ASSERT_GE(recordedSounds().size(), 2u);
  EXPECT_EQ(recordedSounds()[0].sound, menuMusic);
  EXPECT_EQ(playedSounds()[0], gameMusic);
}

TEST_F(GameRules, EscapeOrAnyKeyAfterAnEndedGameReturnsToTheMenuWithTheMenuMusic) {
  menuSelection = static_cast<MenuEntry>(2);
  key(27);
  EXPECT_TRUE(menuActive());
  EXPECT_EQ(static_cast<int>(menuSelection), 0);
  EXPECT_EQ(playedSounds(), (Sounds{menuMusic}));
  ASSERT_EQ(recordedSounds().size(), 2u);
  EXPECT_EQ(recordedSounds()[0].sound, gameMusic);
  currentScreen = GameScreen::HeistFinished;
  heist.leftMuseum = true;
  key('x');
  EXPECT_TRUE(menuActive());
  EXPECT_FALSE(heistFinished());
  currentScreen = GameScreen::GameOver;
  special(GLUT_KEY_F7);
  EXPECT_TRUE(menuActive());
  EXPECT_FALSE(gameOver());
}

TEST_F(GameRules, HelpOpenedInPlayClosesWithAnyKeyAndIsIgnoredInTheMenu) {
  special(GLUT_KEY_F1);
  EXPECT_TRUE(menuActive());
  EXPECT_TRUE(controlsShown());
  EXPECT_TRUE(helpFromGame());
  key('x');
  EXPECT_FALSE(menuActive());
  EXPECT_FALSE(controlsShown());
  EXPECT_FALSE(helpFromGame());
  special(GLUT_KEY_F1);
  special(GLUT_KEY_F5);
  EXPECT_FALSE(menuActive());

  // In the start menu F1 does nothing: the museum is never reached without a new game.
  testsupport::resetToMenu();
  special(GLUT_KEY_F1);
  EXPECT_FALSE(helpFromGame());
  EXPECT_FALSE(controlsShown());
}

TEST_F(GameRules, WalkingOnBehindTheHelpPageStopsAtTheWallsAsInPlay) {
  // Facing the front wall (its face at z 0) from 10 units away, walking on with F1's page up.
  placePlayer(Vector3(300.0f, 1.0f, 10.0f));
  camera->view = Vector3(300.0f, 1.0f, -90.0f);
  display();  // the first frame's interval counts from the camera's making
  keyboardDown('w', 0, 0);
  special(GLUT_KEY_F1);
  ASSERT_TRUE(helpFromGame());
  for (int frame = 0; frame < 120; ++frame) {
    platform::advanceVirtualClockMicros(16667);
    display();
  }
  keyboardUp('w', 0, 0);
  EXPECT_LT(camera->position.z, 5.0f);  // it did walk
  EXPECT_GE(camera->position.z, 2.2f - 0.01f) << "walked through the wall behind the page";
}

TEST_F(GameRules, TakeEmptyAndLeaveActInPlayOnlyNotBehindTheMenu) {
  // Within reach of an exhibit, and in the exit zone with a score worth a record.
  standAtLonelyExhibit();
  key(27);
  ASSERT_TRUE(menuActive());
  key('t');
  EXPECT_EQ(camera->score, 0);
  EXPECT_TRUE(lonelyExhibit()->visible);
  placePlayer(Vector3(420.0f, 1.0f, 10.0f));
  camera->bagLoad = 30.0f;
  camera->score = 450;
  key('g');
  EXPECT_EQ(camera->bagLoad, 30.0f);
  key('q');
  EXPECT_FALSE(heistFinished());
  EXPECT_FALSE(lastHeist.ended);  // nothing entered in the record
  EXPECT_TRUE(menuActive());
}

TEST_F(GameRules, ROnAnEndScreenWatchesTheHeistJustEndedAndTheScreenStays) {
  static std::string watched;
  watchRecordedHeist = [](const std::string& path) { watched = path; };
  key('r');  // in play 'r' is no key of the game
  EXPECT_TRUE(watched.empty());
  placePlayer(Vector3(450.0f, 1.0f, 10.0f));
  key('q');
  ASSERT_TRUE(heistFinished());
  key('r');
  EXPECT_EQ(watched, replayFolder() + "/last.vrr");
  EXPECT_TRUE(heistFinished());
  watched.clear();
  key('x');
  key('r');  // the menu: nothing to watch from there
  EXPECT_TRUE(watched.empty());
  watchRecordedHeist = nullptr;
}

TEST_F(GameRules, TheBagTakesAnObjectThatFillsItExactly) {
  standAtLonelyExhibit();
  ModelObject* exhibit = lonelyExhibit();
  camera->bagLoad = 100.0f - exhibit->bagSpace;  // exactly full once taken
  key('t');
  EXPECT_FLOAT_EQ(camera->bagLoad, 100.0f);
  EXPECT_FALSE(exhibit->visible);
  EXPECT_EQ(camera->score, exhibit->value);
  EXPECT_EQ(playedSounds(), (Sounds{clickSound}));
}

TEST_F(GameRules, OnePressTakesEveryObjectInReachThatStillFits) {
  // Room 2, exhibits 2 (cube, bag 30) and 5 (torus, bag 8) share one place.
  heist.currentRoom = 2;
  placePlayer(exhibits[0][2]->position);
  camera->bagLoad = 65.0f;
  key('t');
  EXPECT_FALSE(exhibits[0][2]->visible);
  EXPECT_TRUE(exhibits[0][5]->visible);
  EXPECT_FLOAT_EQ(camera->bagLoad, 95.0f);
  EXPECT_EQ(camera->score, exhibits[0][2]->value);
  EXPECT_EQ(statusText(), "You can't carry this anymore, stupid");
  EXPECT_EQ(playedSounds(), (Sounds{clickSound, sorrySound}));
}

TEST_F(GameRules, ATakenPictureKeepsItsFrameAndCannotBeTakenAgainAndNothingIsTakenInTheHall) {
  heist.currentRoom = 1;
  placePlayer(lonelyExhibit()->position);
  key('t');
  EXPECT_TRUE(lonelyExhibit()->visible);
  EXPECT_TRUE(playedSounds().empty());

  ModelObject* picture = pictures[1][0];
  heist.currentRoom = 3;
  placePlayer(picture->position);
  key('t');
  EXPECT_FALSE(picture->intact);
  EXPECT_TRUE(picture->visible);
  const std::int16_t score = camera->score;
  const float bag = camera->bagLoad;
  EXPECT_GE(score, picture->value);
  key('t');
  EXPECT_EQ(camera->score, score);
  EXPECT_FLOAT_EQ(camera->bagLoad, bag);
}

TEST_F(GameRules, TheBagIsEmptiedOnlyInsideTheDropZone) {
  camera->bagLoad = 40.0f;
  camera->score = 55;
  placePlayer(Vector3(432.0f, 1.0f, 10.0f));  // the zone's bound is outside
  key('g');
  EXPECT_FLOAT_EQ(camera->bagLoad, 40.0f);
  placePlayer(Vector3(420.0f, 1.0f, 25.0f));
  key('g');
  EXPECT_FLOAT_EQ(camera->bagLoad, 40.0f);
  EXPECT_TRUE(playedSounds().empty());

  placePlayer(Vector3(420.0f, 1.0f, 10.0f));
  key('g');
  EXPECT_FLOAT_EQ(camera->bagLoad, 0.0f);
  EXPECT_EQ(camera->score, 55);
  EXPECT_EQ(statusText(), "Alle Objekte sind gesichert");
  EXPECT_EQ(playedSounds(), (Sounds{transferSound}));

  startSoundRecording();
  key('g');  // an empty bag: nothing
  EXPECT_TRUE(playedSounds().empty());
}

TEST_F(GameRules, LeavingAtTheExitGivesTheVerdictByScore) {
  placePlayer(Vector3(500.0f, 1.0f, 10.0f));
  key('q');
  EXPECT_FALSE(heistFinished());

  const std::pair<std::int16_t, const char*> cases[] = {
      {200, "Hey man, you should stay in bed next time!"},
      {201, "Congratulations, your little museum tour was a great success!"},
      {400, "Congratulations, your little museum tour was a great success!"},
      {401, "Wow, whotta superb job. I will bow right before you!"}};
  for (const auto& [score, verdict] : cases) {
    testsupport::startGame();
    placePlayer(Vector3(450.0f, 1.0f, 10.0f));
    camera->score = score;
    camera->bagLoad = 80.0f;  // the bag need not be emptied first
    key('q');
    EXPECT_TRUE(heistFinished()) << score;
    ASSERT_NE(heist.endMessage.text, nullptr);
    EXPECT_STREQ(heist.endMessage.text, verdict);
  }
}

TEST_F(GameRules, EnterDuringPlayRestartsWithEverythingRestored) {
  standAtLonelyExhibit();
  key('t');
  camera->health = 40.0f;
  key('e');
  ASSERT_FALSE(lonelyExhibit()->visible);
  guard1->health = 20;
  key(13);
  EXPECT_FALSE(menuActive());
  EXPECT_TRUE(lonelyExhibit()->visible && lonelyExhibit()->intact);
  EXPECT_EQ(camera->score, 0);
  EXPECT_FLOAT_EQ(camera->bagLoad, 0.0f);
  EXPECT_FLOAT_EQ(camera->health, 100.0f);
  EXPECT_EQ(camera->walkPace, 2);
  EXPECT_EQ(guard1->health, 100);
  EXPECT_EQ(heist.currentRoom, 1);
  EXPECT_FLOAT_EQ(camera->position.x, 419.0f);
}

TEST_F(GameRules, ThreeShotsBringAGuardDownOnlyTheFirstRaisesTheAlarmAndOtherClicksDoNothing) {
  // Guard 1 waits at (26, -6, 25); the player looks straight at its middle.
  placePlayer(Vector3(26.0f, 1.0f, 60.0f));
  camera->view = Vector3(26.0f, -3.0f, 25.0f);
  // The right button, a release, and clicks on an ended game do nothing.
  mouseButton(GLUT_RIGHT_BUTTON, GLUT_DOWN, 0, 0);
  mouseButton(GLUT_LEFT_BUTTON, GLUT_UP, 0, 0);
  currentScreen = GameScreen::HeistFinished;
  heist.leftMuseum = true;
  mouseButton(GLUT_LEFT_BUTTON, GLUT_DOWN, 0, 0);
  heist.leftMuseum = false;
  currentScreen = GameScreen::GameOver;
  mouseButton(GLUT_LEFT_BUTTON, GLUT_DOWN, 0, 0);
  currentScreen = GameScreen::Playing;
  EXPECT_TRUE(playedSounds().empty());
  EXPECT_EQ(guard1->health, 100);
  ASSERT_FALSE(heist.alarmActive);
  mouseButton(GLUT_LEFT_BUTTON, GLUT_DOWN, 0, 0);
  EXPECT_TRUE(heist.alarmActive);
  EXPECT_TRUE(guard1->alerted);
  EXPECT_EQ(guard1->health, 60);
  EXPECT_EQ(playedSounds(), (Sounds{gunshotSound, crySound}));
  guard1->alerted = false;  // a later hit while the alarm runs alerts nobody
  mouseButton(GLUT_LEFT_BUTTON, GLUT_DOWN, 0, 0);
  EXPECT_FALSE(guard1->alerted);
  EXPECT_EQ(guard1->health, 20);
  EXPECT_FALSE(guard1->down);
  mouseButton(GLUT_LEFT_BUTTON, GLUT_DOWN, 0, 0);
  EXPECT_EQ(guard1->health, -20);
  EXPECT_TRUE(guard1->down);

  startSoundRecording();
  mouseButton(GLUT_LEFT_BUTTON, GLUT_DOWN, 0, 0);  // a downed guard is not hit again
  EXPECT_EQ(guard1->health, -20);
  EXPECT_EQ(playedSounds(), (Sounds{gunshotSound}));
}

TEST_F(GameRules, FunctionKeysToggleInPlayAndDoNothingInTheMenu) {
  testsupport::resetToMenu();
  const double before = heist.messageTime;
  special(GLUT_KEY_F2);
  special(GLUT_KEY_F3);
  special(GLUT_KEY_F4);
  EXPECT_FALSE(fpsShown);
  EXPECT_FALSE(heist.wireframeOn);
  EXPECT_TRUE(trilinearFiltering);
  EXPECT_EQ(heist.messageTime, before);  // no status line posted

  testsupport::startGame();
  special(GLUT_KEY_F3);
  EXPECT_TRUE(heist.wireframeOn);
  EXPECT_EQ(statusText(), "Wireframe-Modus aktiviert");
  display();  // the frame outlines the polygons
  GLint mode[2];
  glGetIntegerv(GL_POLYGON_MODE, mode);
  EXPECT_EQ(mode[0], GL_LINE);
  special(GLUT_KEY_F3);

  special(GLUT_KEY_F4);
  EXPECT_FALSE(trilinearFiltering);
  EXPECT_EQ(statusText(), "Bilineare Filterung");

  special(GLUT_KEY_F2);
  EXPECT_TRUE(fpsShown);
  special(GLUT_KEY_F2);
  EXPECT_FALSE(fpsShown);
}

TEST_F(GameRules, MusicSwitchesWithMInTheMenuAndInPlay) {
  key('m');
  EXPECT_FALSE(musicOn);
  key('m');
  EXPECT_TRUE(musicOn);
  testsupport::resetToMenu();
  key('m');
  key('m');
  std::vector<std::pair<const Sound*, SoundAction>> log;
  for (const SoundRecord& r : recordedSounds()) log.emplace_back(r.sound, r.action);
  EXPECT_EQ(log, (std::vector<std::pair<const Sound*, SoundAction>>{
                     {gameMusic, SoundAction::stop}, {gameMusic, SoundAction::play},
                     {menuMusic, SoundAction::stop}, {menuMusic, SoundAction::play}}));

  // With music off, a new game changes no stream.
  musicOn = false;
  menuSelection = static_cast<MenuEntry>(0);
  startSoundRecording();
  keyboardDown(13, 0, 0);
  EXPECT_TRUE(recordedSounds().empty());
}

TEST_F(GameRules, WalkingKeysSetTheDirectionsAndReleasesStopThemInAnyCase) {
  keyboardDown('w', 0, 0);
  EXPECT_EQ(forwardDirection, 1);
  EXPECT_EQ(playedSounds(), (Sounds{footstepSound}));
  keyboardUp('W', 0, 0);  // Shift pressed meanwhile
  EXPECT_EQ(forwardDirection, 0);
  keyboardDown('d', 0, 0);
  EXPECT_EQ(strafeDirection, 1);
  keyboardUp('D', 0, 0);
  EXPECT_EQ(strafeDirection, 0);
  keyboardDown('W', 0, 0);  // presses count in lower case only
  EXPECT_EQ(forwardDirection, 0);
  keyboardDown('e', 0, 0);
  EXPECT_EQ(camera->walkPace, 4);
  keyboardDown('e', 0, 0);
  EXPECT_EQ(camera->walkPace, 2);
}

}  // namespace

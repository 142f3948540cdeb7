// Saving the options into the settings file: the player's comments, blank lines, unknown
// lines and their order survive, values change in place, new options go above the mode line,
// which stays last with its depth and rate; what is written reads back the same.
#include <gtest/gtest.h>

#include "app/GameOptions.h"
#include "app/Settings.h"
#include "app/SettingsWriter.h"

TEST(SettingsWriter, ValuesChangeInPlaceAndEverythingElseStaysWhereItWas) {
  const std::string file =
      "\xEF\xBB\xBF# my settings\r\n"
      "mouse-sensitivity = 0.5   \r\n"
      "\r\n"
      "future-option = 3\r\r\n"
      "# the music\r\n"
      "music-volume = 40\r\n"
      "music-volume = 60\r\n"
      "1024x768:32@60\r\n"
      "# after the mode\r\n\r\n\r\n";
  const std::string saved = settingsWithValues(
      file, {{"music-volume", "70"}, {"mouse-sensitivity", "1.5"}, {"key-take", "f"}},
      "1280x720");
  EXPECT_EQ(saved,
            "# my settings\n"
            "mouse-sensitivity = 1.5\n"
            "\n"
            "future-option = 3\n"
            "# the music\n"
            "music-volume = 40\n"   // an earlier line for the name stays: the last one wins
            "music-volume = 70\n"
            "key-take = f\n"
            "1280x720:32@60\n"
            "# after the mode\n");
  // Saved again with the same values, nothing moves; no size keeps the mode line as it is.
  EXPECT_EQ(settingsWithValues(saved, {{"music-volume", "70"}, {"key-take", "f"}}, ""), saved);
  EXPECT_EQ(settingsWithValues("", {{"music", "no"}}, ""), "\nmusic = no\n1024x768\n");
}

TEST(SettingsWriter, EveryOptionOfThePageReadsBackAsItWasWritten) {
  GameOptions chosen;
  chosen.fullScreen = false;
  chosen.fieldOfView = 65.0f;
  chosen.fpsLine = true;
  chosen.trilinear = false;
  chosen.music = false;
  chosen.musicVolume = 30;
  chosen.effectsVolume = 0;
  chosen.mouseSensitivity = 0.3f;
  chosen.invertMouse = true;
  chosen.pad.turnSpeed = 270.0f;
  chosen.pad.deadZone = 0.35f;
  chosen.steadyAlarmLights = true;
  chosen.hitFlashPercent = 50;
  chosen.textSizePercent = 125;
  bindKey(chosen.keys, KeyAction::Take, 0, 'f');
  bindKey(chosen.keys, KeyAction::Leave, 1, ' ');
  chosen.keys.at(KeyAction::Music, 0) = noKey;
  // B (the menus' back, no play action's) takes: only Take changes.
  EXPECT_EQ(bindPadControl(chosen.padKeys, PadAction::Take, PadControl::B), PadAction::Count);
  // The left shoulder fires and the right trigger walks or runs: an exchange.
  EXPECT_EQ(bindPadControl(chosen.padKeys, PadAction::Fire, PadControl::LeftShoulder),
            PadAction::SwitchPace);
  const std::string text = settingsWithValues("# mine\n800x600\n", gameOptionLines(chosen), "");
  GameOptions read;
  EXPECT_TRUE(parseGameOptions(text, "settings.ini", read).empty()) << text;
  EXPECT_EQ(gameOptionLines(read), gameOptionLines(chosen)) << text;
  EXPECT_TRUE(read.keys == chosen.keys);
  EXPECT_NE(text.find("key-leave = q space\n"), std::string::npos) << text;
  EXPECT_NE(text.find("key-music = none\n"), std::string::npos) << text;
  EXPECT_TRUE(read.padKeys == chosen.padKeys);
  EXPECT_NE(text.find("pad-walk-or-run = right-trigger\npad-help = back\n"), std::string::npos)
      << text;
  ScreenSettings mode;
  std::string problem;
  EXPECT_TRUE(parseSettings(text, mode, problem)) << problem;
  EXPECT_EQ(mode.modeString, "800x600");
  // A bad choice word is named, and the option keeps its value.
  const auto complaints = parseGameOptions("hit-flash = dim\nkey-take = F1\n800x600\n", "s", read);
  ASSERT_EQ(complaints.size(), 2u);
  EXPECT_EQ(complaints[0], "s: line 1: hit-flash is \"dim\", not full or half or off; the default stays");
  EXPECT_EQ(complaints[1], "s: line 2: key-take is \"F1\": \"F1\" is not a key that can be bound; "
                           "the default stays");
}

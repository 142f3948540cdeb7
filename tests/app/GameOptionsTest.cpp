// The option lines before the settings file's mode line: bounds, plain decimals, comments and
// line ends, a later line winning, and one complaint per bad line that leaves the option as
// it was before that line.
#include <gtest/gtest.h>

#include "app/GameOptions.h"

namespace {

std::vector<std::string> parse(const std::string& contents, GameOptions& options) {
  return parseGameOptions(contents, "settings.ini", options);
}

}  // namespace

TEST(GameOptions, EachOptionIsTakenAtItsBoundsAndRefusedJustOutside) {
  GameOptions options;
  EXPECT_TRUE(parse("\xEF\xBB\xBF# mine\r\n\r\n  mouse-sensitivity = 0.1 \r\n"
                    "invert-mouse=yes\r\nmusic-volume = 0\r\neffects-volume = 100\r\n"
                    "field-of-view = 90\r\n1024x768:32@60\r\n",
                    options)
                  .empty());
  EXPECT_FLOAT_EQ(options.mouseSensitivity, 0.1f);
  EXPECT_TRUE(options.invertMouse);
  EXPECT_EQ(options.musicVolume, 0);
  EXPECT_EQ(options.effectsVolume, 100);
  EXPECT_FLOAT_EQ(options.fieldOfView, 90.0f);

  EXPECT_TRUE(parse("mouse-sensitivity = 10\nfield-of-view = 30\n800x600\n", options).empty());
  EXPECT_FLOAT_EQ(options.fieldOfView, 30.0f);

  const std::vector<std::string> complaints =
      parse("mouse-sensitivity = 0.09\nmouse-sensitivity = 10.5\ninvert-mouse = maybe\n"
            "music-volume = -1\neffects-volume = 101\nfield-of-view = 29.9\n"
            "field-of-view = 90.1\nmusic-volume = loud\nmusic-volume = 50%\n1024x768\n",
            options);
  ASSERT_EQ(complaints.size(), 9u);
  EXPECT_EQ(complaints[0],
            "settings.ini: line 1: mouse-sensitivity is \"0.09\", not a number from 0.1 to 10; "
            "the default stays");
  // Every refused option is back at its default, whatever the file before had set.
  const GameOptions defaults;
  EXPECT_FLOAT_EQ(options.mouseSensitivity, defaults.mouseSensitivity);
  EXPECT_EQ(options.invertMouse, defaults.invertMouse);
  EXPECT_EQ(options.musicVolume, defaults.musicVolume);
  EXPECT_EQ(options.effectsVolume, defaults.effectsVolume);
  EXPECT_FLOAT_EQ(options.fieldOfView, defaults.fieldOfView);
}

TEST(GameOptions, ThePadsOptionsAreTakenAtTheirBoundsAndEachRefusalKeepsTheDefault) {
  GameOptions options;
  EXPECT_TRUE(parse("pad-turn-speed = 720\ninvert-pad = yes\npad-dead-zone = 0\n"
                    "swap-pad-sticks = yes\n1024x768\n",
                    options)
                  .empty());
  EXPECT_FLOAT_EQ(options.pad.turnSpeed, 720.0f);
  EXPECT_TRUE(options.pad.inverted);
  EXPECT_FLOAT_EQ(options.pad.deadZone, 0.0f);
  EXPECT_TRUE(options.pad.swapSticks);
  // The switches are separate: one does not set another.
  EXPECT_TRUE(parse("invert-pad = yes\n800x600\n", options).empty());
  EXPECT_FALSE(options.invertMouse);
  EXPECT_FALSE(options.pad.swapSticks);

  const std::vector<std::string> complaints =
      parse("pad-turn-speed = 29\npad-turn-speed = 721\npad-dead-zone = 0.51\n"
            "swap-pad-sticks = 1\ninvert-pad = on\n1024x768\n",
            options);
  ASSERT_EQ(complaints.size(), 5u);
  EXPECT_EQ(complaints[2],
            "settings.ini: line 3: pad-dead-zone is \"0.51\", not a number from 0 to 0.5; "
            "the default stays");
  EXPECT_EQ(complaints[3],
            "settings.ini: line 4: swap-pad-sticks is \"1\", not yes or no; the default stays");
  const PadOptions defaults;
  EXPECT_FLOAT_EQ(options.pad.turnSpeed, defaults.turnSpeed);
  EXPECT_FLOAT_EQ(options.pad.deadZone, defaults.deadZone);
  EXPECT_EQ(options.pad.swapSticks, defaults.swapSticks);
  EXPECT_EQ(options.pad.inverted, defaults.inverted);
}

TEST(GameOptions, UnknownNamesAndLinesWithoutEqualsAreNamedByLine) {
  GameOptions options;
  const std::vector<std::string> complaints =
      parse("# fine\nvolume = 3\nmusic-volume 40\n\n= 5\neffects-volume = 40\n1024x768\n",
            options);
  ASSERT_EQ(complaints.size(), 3u);
  EXPECT_EQ(complaints[0], "settings.ini: line 2: unknown option \"volume\"; the default stays");
  EXPECT_EQ(complaints[1], "settings.ini: line 3: \"music-volume 40\" is not a name = value line");
  EXPECT_EQ(options.effectsVolume, 40);
}

TEST(GameOptions, TheLastNonEmptyLineIsTheModeLineEvenWhenItLooksLikeAnOption) {
  GameOptions options;
  // An option after the mode line is the mode line (and the mode line's reader refuses it).
  // The line above it is then reported, not fatal, as an old mode line above a new one is.
  EXPECT_EQ(parse("1024x768:32@60\nmusic-volume = 10\n\n", options).size(), 1u);
  EXPECT_EQ(options.musicVolume, 100);
  EXPECT_EQ(parse("1024x768:32@60\n800x600:32@60\n", options).size(), 1u);
}

TEST(GameOptions, NumbersArePlainDecimalsAndALaterLineWinsUnlessItIsBad) {
  GameOptions options;
  std::vector<std::string> complaints =
      parse("field-of-view = 1e1\nfield-of-view = 0x1p5\nmusic-volume = inf\n"
            "music-volume = nan\nmouse-sensitivity = 1.5.1\nmouse-sensitivity = -\n"
            "effects-volume = 5e1\n1024x768\n",
            options);
  EXPECT_EQ(complaints.size(), 7u);
  const GameOptions defaults;
  EXPECT_FLOAT_EQ(options.fieldOfView, defaults.fieldOfView);
  EXPECT_EQ(options.effectsVolume, defaults.effectsVolume);
  EXPECT_TRUE(parse("mouse-sensitivity = .5\nmusic-volume = +70\nfield-of-view = 60.\n800x600\n",
                    options).empty());
  EXPECT_FLOAT_EQ(options.mouseSensitivity, 0.5f);
  EXPECT_EQ(options.musicVolume, 70);
  EXPECT_FLOAT_EQ(options.fieldOfView, 60.0f);

  // The later good line wins; a bad line after it keeps it, and says so.
  complaints = parse("music-volume = 20\nmusic-volume = 30\nmusic-volume = 300\n"
                     "invert-mouse = yes\ninvert-mouse = perhaps\n800x600\n",
                     options);
  ASSERT_EQ(complaints.size(), 2u);
  EXPECT_EQ(options.musicVolume, 30);
  EXPECT_TRUE(options.invertMouse);
  EXPECT_EQ(complaints[0],
            "settings.ini: line 3: music-volume is \"300\", not a number from 0 to 100; "
            "the value of the line before stays");
}

TEST(GameOptions, CommentsOfAnyLengthAnywhereAndOverlongOptionLinesCostOnlyThatLine) {
  GameOptions options;
  const std::string longComment = "# " + std::string(300, 'c');
  const std::vector<std::string> complaints =
      parse(longComment + "\nmusic-volume = 40\neffects-volume = " + std::string(90, '0') +
                "50\n1024x768:32@60\n" + longComment + "\n\n# the end\n",
            options);
  ASSERT_EQ(complaints.size(), 1u);
  EXPECT_EQ(complaints[0], "settings.ini: line 3: longer than 99 characters; it is skipped");
  EXPECT_EQ(options.musicVolume, 40);
  EXPECT_EQ(options.effectsVolume, 100);
}

TEST(GameOptions, TheRulesDifficultyAndMeterAreReadAsWordsAndAWrongWordKeepsTheValueBefore) {
  GameOptions options;
  EXPECT_EQ(options.play.rules, Rules::Classic);
  EXPECT_EQ(options.play.difficulty, Difficulty::Normal);
  EXPECT_TRUE(options.play.visibilityMeter);
  EXPECT_TRUE(parse("rules = stealth\ndifficulty = hard\nvisibility-meter = no\n1024x768\n", options)
                  .empty());
  EXPECT_EQ(options.play.rules, Rules::Stealth);
  EXPECT_EQ(options.play.difficulty, Difficulty::Hard);
  EXPECT_FALSE(options.play.visibilityMeter);

  const std::vector<std::string> complaints =
      parse("rules = stealth\ndifficulty = easy\nrules = Stealth\ndifficulty = expert\n"
            "visibility-meter = on\n1024x768\n",
            options);
  ASSERT_EQ(complaints.size(), 3u);
  EXPECT_EQ(complaints[0],
            "settings.ini: line 3: rules is \"Stealth\", not classic or stealth; the value of the "
            "line before stays");
  EXPECT_EQ(complaints[1],
            "settings.ini: line 4: difficulty is \"expert\", not easy, normal or hard; the value "
            "of the line before stays");
  EXPECT_EQ(options.play.rules, Rules::Stealth);
  EXPECT_EQ(options.play.difficulty, Difficulty::Easy);
  EXPECT_TRUE(options.play.visibilityMeter);
}

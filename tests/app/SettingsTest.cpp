// The settings file: parsing the mode line at its fixed positions and refusing bad files,
// then the real game binary started in a scratch folder without a display, for its messages
// and exit statuses.
#include "app/Settings.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "tests/robustness/GameProcess.h"

namespace {

ScreenSettings parsed(const std::string& contents) {
  ScreenSettings settings;
  std::string problem;
  EXPECT_TRUE(parseSettings(contents, settings, problem)) << problem;
  return settings;
}

std::string refusal(const std::string& contents) {
  ScreenSettings settings;
  std::string problem;
  EXPECT_FALSE(parseSettings(contents, settings, problem));
  EXPECT_FALSE(problem.empty());
  return problem;
}

TEST(ParseSettings, LastLineIsTheModeAndIsCutAtFixedPositions) {
  const ScreenSettings s = parsed("anything at all on the first line\n1024x768:32@60");
  EXPECT_EQ("1024x768:32@60", s.modeString);
  EXPECT_EQ(1024, s.width);
  EXPECT_EQ(768, s.height);
  EXPECT_EQ(60, s.refresh);
  // A three-digit width does not shift the fields.
  const ScreenSettings narrow = parsed("800x600:32@60");
  EXPECT_EQ(800, narrow.width);
  EXPECT_EQ(0, narrow.height);
  EXPECT_EQ(0, narrow.refresh);
}

TEST(ParseSettings, TrailingLineFeedsBlankLinesAndCarriageReturnsAreAccepted) {
  for (const char* contents :
       {"1024x768:32@60\n", "1024x768:32@60\n\n\n", "1024x768:32@60\r\n",
        "first line\r\n1024x768:32@60\r\n\r\n", "\n\n1024x768:32@60"}) {
    const ScreenSettings s = parsed(contents);
    EXPECT_EQ("1024x768:32@60", s.modeString) << contents;
    EXPECT_EQ(1024, s.width);
    EXPECT_EQ(768, s.height);
    EXPECT_EQ(60, s.refresh);
  }
}

TEST(ParseSettings, LineLengthLimitsNulBytesAndEmptyFilesAreRefused) {
  // Twelve characters are enough; the refresh field past the end then reads 0.
  EXPECT_EQ(0, parsed("1024x768:32@").refresh);
  EXPECT_NE(std::string::npos, refusal("1024x768:32").find("12"));
  EXPECT_NE(std::string::npos, refusal("640x480\n").find("12"));
  // A line of 99 characters is read; one of 100 or 200 is refused, wherever it stands.
  const std::string longest = "1024x768:32@60" + std::string(99 - 14, ' ');
  EXPECT_EQ(longest, parsed(longest).modeString);
  EXPECT_NE(std::string::npos, refusal(longest + " ").find("99"));
  EXPECT_NE(std::string::npos, refusal(std::string(200, 'x') + "\n1024x768:32@60").find("99"));
  EXPECT_NE(std::string::npos, refusal("1024x768:32@60" + std::string(186, '0')).find("99"));
  refusal(std::string("1024x768:32@60\0", 15));
  refusal(std::string("1024x\0""768:32@60", 15));
  refusal("");
  refusal("\n\r\n\n");
}

TEST(ParseSettings, FieldsSkipBlanksAndStopAtTheFirstNonDigit) {
  EXPECT_EQ(800, settingsFieldValue(" 800x600", 0, 4));
  EXPECT_EQ(-12, settingsFieldValue("-12x", 0, 4));
  EXPECT_EQ(0, settingsFieldValue("x800", 0, 4));
  // The line ends inside the field: the characters that are there count.
  EXPECT_EQ(6, settingsFieldValue("1024x768:32@6", 12, 2));
  EXPECT_EQ(0, settingsFieldValue("1024x768:32@", 12, 2));
}

// The game run in a scratch folder holding only data/settings.ini (or nothing) and no X
// display, so it can never open a window here: what it prints and its exit status.
struct GameRun {
  int status = 0;
  std::string output;
};

GameRun runWithSettings(const char* contents) {
  char pattern[] = "/tmp/vaultrun-settings-XXXXXX";
  GameRun run;
  if (mkdtemp(pattern) == nullptr) return run;
  const std::filesystem::path folder = pattern;
  std::filesystem::create_directory(folder / "data");
  if (contents != nullptr) std::ofstream(folder / "data" / "settings.ini") << contents;
  {
    robustness::GameProcess game(folder, {"DISPLAY=", "WAYLAND_DISPLAY="});
    run.status = game.waitForExit(60.0);
    run.output = game.output();
    // The game ends on its own terms, never inside the toolkit.
    EXPECT_FALSE(robustness::hasCrashReport(game.errors())) << game.errors();
  }
  std::filesystem::remove_all(folder);
  return run;
}

TEST(GameBinary, BadOrMissingSettingsOrNoDisplayEndWithStatusOneAndAClearLine) {
  const std::string loading = "The Vaultrun is loading - please wait!\n";
  const GameRun missing = runWithSettings(nullptr);
  EXPECT_EQ(1, missing.status) << missing.output;
  EXPECT_EQ(0u, missing.output.find(loading)) << missing.output;
  EXPECT_NE(std::string::npos,
            missing.output.find("Error: File with windows settings could be opened\n"))
      << missing.output;

  const GameRun shortLine = runWithSettings("1024x768");
  EXPECT_EQ(1, shortLine.status) << shortLine.output;
  EXPECT_NE(std::string::npos, shortLine.output.find("Error: data/settings.ini")) << shortLine.output;
  EXPECT_EQ(std::string::npos, shortLine.output.find("X display")) << shortLine.output;

  const GameRun valid = runWithSettings("1024x768:32@60\n");
  EXPECT_EQ(1, valid.status) << valid.output;
  EXPECT_EQ(0u, valid.output.find(loading)) << valid.output;
  const std::size_t error = valid.output.find("Error:");
  ASSERT_NE(std::string::npos, error) << valid.output;
  EXPECT_NE(std::string::npos, valid.output.find("X display", error)) << valid.output;
  EXPECT_EQ(std::string::npos, valid.output.find("Error: data/settings.ini")) << valid.output;
}

}  // namespace

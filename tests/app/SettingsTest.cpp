// The settings file: the mode line read at its separators (every size a screen can have, the
// optional depth and rate, a byte-order mark and blanks), what cannot be a screen mode, lines
// too long, a folder in place of the file, where the player's own file is looked for; then the
// real game binary started in a scratch folder without a display, for its messages and exit
// statuses.
#include "app/Settings.h"
#include "app/SettingsPath.h"

#include <gtest/gtest.h>

#include <stdlib.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "support/Process.h"

namespace {

std::string refusal(const std::string& contents) {
  ScreenSettings settings;
  std::string problem;
  EXPECT_FALSE(parseSettings(contents, settings, problem));
  EXPECT_FALSE(problem.empty());
  return problem;
}

TEST(SettingsLine, NumbersAreReadAtTheSeparators) {
  const struct { const char* contents; int width, height, depth, refresh; } cases[] = {
      {"800x600:32@60", 800, 600, 32, 60},         {"1280x1024:32@75", 1280, 1024, 32, 75},
      {"1920x1080:32@60", 1920, 1080, 32, 60},     {"2560x1440", 2560, 1440, 0, 0},
      {"640x480@85", 640, 480, 0, 85},             {"\xEF\xBB\xBF" "1024x768:32@60\r\n", 1024, 768, 32, 60},
      {"old\n \t1024x768:24@60  \n \n", 1024, 768, 24, 60}};
  for (const auto& c : cases) {
    ScreenSettings s;
    std::string problem;
    ASSERT_TRUE(parseSettings(c.contents, s, problem)) << c.contents << ": " << problem;
    EXPECT_EQ(std::vector<int>({s.width, s.height, s.depth, s.refresh}),
              std::vector<int>({c.width, c.height, c.depth, c.refresh})) << c.contents;
    EXPECT_EQ(std::string::npos, s.modeString.find_first_of(" \t\r\xEF")) << s.modeString;
  }
  const struct { const char* contents; const char* reason; } refused[] = {
      {"1024x", "WIDTHxHEIGHT"},        {"1024*768:32@60", "WIDTHxHEIGHT"},
      {"1024x768:32@", "WIDTHxHEIGHT"}, {"123456x768", "WIDTHxHEIGHT"},
      {"300x768", "outside 320x200"},   {"1024x0:32@60", "outside 320x200"},
      {"1024x768:0@60", "colour depth"}, {"1024x768:32@5000", "refresh"},
      {"\xEF\xBB\xBF\n\n", "no mode line"}};
  for (const auto& c : refused) {
    ScreenSettings s;
    std::string problem;
    EXPECT_FALSE(parseSettings(c.contents, s, problem)) << c.contents;
    EXPECT_NE(std::string::npos, problem.find(c.reason)) << c.contents << ": " << problem;
  }
}

TEST(SettingsLine, AFolderInPlaceOfTheFileIsNamedAsSuch) {
  char pattern[] = "/tmp/vaultrun-settings-dir-XXXXXX";
  ASSERT_NE(nullptr, mkdtemp(pattern));
  const std::string folder = std::string(pattern) + "/settings.ini";
  std::filesystem::create_directory(folder);
  ScreenSettings s;
  std::string error;
  EXPECT_FALSE(readSettingsFile(folder.c_str(), s, error));
  EXPECT_EQ("Error: " + folder + ": is a folder, not a settings file", error);
  std::filesystem::remove_all(pattern);
}

TEST(SettingsLine, OnlyTheModeLineHasALengthLimitAndNulBytesAndEmptyFilesAreRefused) {
  // A mode line of 99 characters is read; one of 100 is refused with its line number.
  const std::string longest = std::string(99 - 14, '0') + "1024x768:32@60";
  ScreenSettings s;
  std::string problem;
  EXPECT_FALSE(parseSettings(longest, s, problem));
  EXPECT_EQ(std::string::npos, problem.find("longer")) << problem;
  EXPECT_EQ("line 3, the mode line, is longer than 99 characters",
            refusal("# a\n\n0" + longest + "\n# after\n"));
  // Comments and blank lines of any length, before or after the mode line, are comments.
  const std::string comment = "#" + std::string(5000, '-');
  EXPECT_TRUE(parseSettings(comment + "\n" + std::string(300, ' ') + "\n1024x768:32@60\n" +
                                comment + "\n  # the mode line is above\n",
                            s, problem)) << problem;
  EXPECT_EQ(s.modeString, "1024x768:32@60");
  refusal(std::string("1024x768:32@60\0", 15));
  refusal(std::string("1024x\0""768:32@60", 15));
  refusal("");
  EXPECT_NE(std::string::npos, refusal("# only a comment\n").find("no mode line"));
}

// Unset, empty or relative XDG_CONFIG_HOME: ~/.config, never a path relative to data/.
TEST(SettingsPath, ConfigHomeWhenAbsoluteElseHomeConfigElseNone) {
  EXPECT_EQ(userSettingsPath("/cfg", "/home/p"), "/cfg/vaultrun/settings.ini");
  EXPECT_EQ(userSettingsPath(nullptr, "/home/p"), "/home/p/.config/vaultrun/settings.ini");
  EXPECT_EQ(userSettingsPath("", "/home/p"), "/home/p/.config/vaultrun/settings.ini");
  EXPECT_EQ(userSettingsPath("cfg", "/home/p"), "/home/p/.config/vaultrun/settings.ini");
  EXPECT_EQ(userSettingsPath(nullptr, nullptr), "");
  EXPECT_EQ(userSettingsPath("", "home"), "");
}

// A scratch working folder for one run of the game, removed afterwards.
class GameBinary : public ::testing::Test {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/vaultrun-settings-XXXXXX";
    ASSERT_NE(nullptr, mkdtemp(pattern));
    folder = pattern;
    std::filesystem::create_directory(folder / "data");
  }
  void TearDown() override { std::filesystem::remove_all(folder); }

  void writeSettings(const std::string& contents) {
    std::ofstream(folder / "data" / "settings.ini", std::ios::binary) << contents;
  }

  // Runs the game in the folder without an X display, so it can never open a window here;
  // its standard output and exit status (124 when it is still running after `seconds`). It
  // ends on its own terms, never inside the toolkit.
  std::string run(int& status, int seconds = 60, const std::string& environment = "") {
    const testsupport::CommandRun game = testsupport::runCommand(
        "cd '" + folder.string() + "' && env -u DISPLAY -u WAYLAND_DISPLAY SDL_AUDIODRIVER=dummy " +
        environment + " timeout -s KILL " + std::to_string(seconds) + " '" VAULTRUN_GAME_BINARY "'");
    EXPECT_EQ(std::string::npos, game.err.find("freeglut")) << game.err;
    status = game.status;
    return game.out;
  }

  std::filesystem::path folder;
};

constexpr const char* loadingLine = "The Vaultrun is loading - please wait!\n";

TEST_F(GameBinary, AMissingOrUnreadableSettingsFileOrNoDisplayEndsWithStatusOne) {
  int status = 0;
  std::string output = run(status);
  EXPECT_EQ(1, status) << output;
  EXPECT_EQ(0u, output.find(loadingLine)) << output;
  EXPECT_NE(std::string::npos, output.find("Error: File with windows settings could be opened\n"))
      << output;

  writeSettings("1024x");
  output = run(status);
  EXPECT_EQ(1, status) << output;
  EXPECT_NE(std::string::npos, output.find("Error: data/settings.ini")) << output;
  EXPECT_EQ(std::string::npos, output.find("X display")) << output;

  // Good settings get as far as the display, which is not there.
  writeSettings("1024x768:32@60\n");
  output = run(status);
  EXPECT_EQ(1, status) << output;
  EXPECT_NE(std::string::npos, output.find("X display", output.find("Error:"))) << output;
  EXPECT_EQ(std::string::npos, output.find("Error: data/settings.ini")) << output;
}

// A FIFO nobody writes to, and a file far larger than any settings file, are refused at
// once: neither may keep the game from its answer (the time limit is the run's own).
TEST_F(GameBinary, AFifoOrAHugeFileInPlaceOfTheSettingsIsRefusedAtOnce) {
  ASSERT_EQ(0, mkfifo((folder / "data" / "settings.ini").c_str(), 0644));
  int status = 0;
  std::string output = run(status, 20);
  EXPECT_EQ(1, status) << output;
  EXPECT_NE(std::string::npos,
            output.find("Error: data/settings.ini: is a FIFO, not a regular file\n")) << output;

  std::filesystem::remove(folder / "data" / "settings.ini");
  {
    std::ofstream file(folder / "data" / "settings.ini", std::ios::binary);
    const std::string comments = std::string(1023, '#') + "\n";
    std::string block;
    for (int i = 0; i < 1024; ++i) block += comments;  // 1 MB
    for (int i = 0; i < 120; ++i) file << block;
    file << "1024x768:32@60\n";
  }
  output = run(status, 20);
  EXPECT_EQ(1, status) << output;
  EXPECT_NE(std::string::npos, output.find("Error: data/settings.ini: is larger than 64 KB")) << output;
}

// A per-user file that links to nothing is named, and the shipped file is read instead.
TEST_F(GameBinary, APerUserFileLinkingToNothingIsReportedAndTheShippedOneRead) {
  writeSettings("1024x768:32@60\n");
  std::filesystem::create_directories(folder / "config" / "vaultrun");
  const std::filesystem::path user = folder / "config" / "vaultrun" / "settings.ini";
  std::filesystem::create_symlink(folder / "gone.ini", user);
  int status = 0;
  const std::string output = run(status, 60, "XDG_CONFIG_HOME='" + (folder / "config").string() + "'");
  EXPECT_EQ(1, status) << output;
  EXPECT_NE(std::string::npos,
            output.find(user.string() + " is a link to nothing; reading data/settings.ini instead\n"))
      << output;
  // The shipped file was good: the game got as far as the display.
  EXPECT_NE(std::string::npos, output.find("X display")) << output;
}

}  // namespace

// The settings file: finding the mode line and refusing bad files,
// then the real game binary started in a scratch folder without a display, for its messages
// and exit statuses.
#include "app/Settings.h"

#include <gtest/gtest.h>

#include <stdlib.h>
#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

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

TEST(ParseSettings, LastLineIsTheMode) {
  const ScreenSettings s = parsed("anything at all on the first line\n1024x768:32@60");
  EXPECT_EQ("1024x768:32@60", s.modeString);
  EXPECT_EQ(1024, s.width);
  EXPECT_EQ(768, s.height);
  EXPECT_EQ(60, s.refresh);
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

TEST(ParseSettings, LineLengthLimits) {
  // A line of 99 characters is read; one of 100 or 200 is refused, wherever it stands.
  const std::string longest = std::string(99 - 14, ' ') + "1024x768:32@60";
  EXPECT_EQ("1024x768:32@60", parsed(longest).modeString);
  EXPECT_NE(std::string::npos, refusal(longest + " ").find("99"));
  EXPECT_NE(std::string::npos, refusal(std::string(200, 'x') + "\n1024x768:32@60").find("99"));
  EXPECT_NE(std::string::npos, refusal("1024x768:32@60" + std::string(186, '0')).find("99"));
}

TEST(ParseSettings, NulByteAndEmptyFilesAreRefused) {
  refusal(std::string("1024x768:32@60\0", 15));
  refusal(std::string("1024x\0""768:32@60", 15));
  refusal("");
  refusal("\n\r\n\n");
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

  void TearDown() override {
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
  }

  void writeSettings(const std::string& contents) {
    std::ofstream file(folder / "data" / "settings.ini", std::ios::binary);
    file << contents;
  }

  // Runs the game in the folder without an X display, so it can never open a window here.
  // Returns its standard output; `status` receives the exit status (-1 for a signal).
  std::string run(int& status) {
    const std::string command = "cd '" + folder.string() +
                                "' && env -u DISPLAY -u WAYLAND_DISPLAY SDL_AUDIODRIVER=dummy "
                                "timeout 60 '" VAULTRUN_GAME_BINARY "' 2>stderr.txt";
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) {
      ADD_FAILURE() << "cannot run " << command;
      status = -1;
      return "";
    }
    std::string output;
    char chunk[4096];
    std::size_t got = 0;
    while ((got = std::fread(chunk, 1, sizeof chunk, pipe)) > 0) {
      output.append(chunk, got);
    }
    const int raw = pclose(pipe);
    status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    std::ifstream errors(folder / "stderr.txt", std::ios::binary);
    errorOutput.assign(std::istreambuf_iterator<char>(errors), std::istreambuf_iterator<char>());
    // The game ends on its own terms, never inside the toolkit.
    EXPECT_EQ(std::string::npos, errorOutput.find("freeglut")) << errorOutput;
    return output;
  }

  std::filesystem::path folder;
  std::string errorOutput;  // the run's standard error
};

constexpr const char* loadingLine = "The Vaultrun is loading - please wait!\n";

TEST_F(GameBinary, MissingSettingsFileEndsWithStatusOne) {
  int status = 0;
  const std::string output = run(status);
  EXPECT_EQ(1, status) << output;
  EXPECT_EQ(0u, output.find(loadingLine)) << output;
  EXPECT_NE(std::string::npos,
            output.find("Error: File with windows settings could be opened\n"))
      << output;
}

TEST_F(GameBinary, UnreadableModeLineIsAClearErrorNamingTheFile) {
  writeSettings("1024x");
  int status = 0;
  const std::string output = run(status);
  EXPECT_EQ(1, status) << output;
  EXPECT_NE(std::string::npos, output.find("Error: data/settings.ini")) << output;
  EXPECT_EQ(std::string::npos, output.find("X display")) << output;
}

TEST_F(GameBinary, OverlongLineIsAClearErrorNamingTheFile) {
  writeSettings(std::string(200, '1') + "\n1024x768:32@60");
  int status = 0;
  const std::string output = run(status);
  EXPECT_EQ(1, status) << output;
  EXPECT_NE(std::string::npos, output.find("Error: data/settings.ini")) << output;
  EXPECT_EQ(std::string::npos, output.find("X display")) << output;
}

TEST_F(GameBinary, ValidSettingsWithoutADisplayEndWithStatusOne) {
  writeSettings("1024x768:32@60\n");
  int status = 0;
  const std::string output = run(status);
  EXPECT_EQ(1, status) << output;
  const std::size_t loading = output.find(loadingLine);
  EXPECT_EQ(0u, loading) << output;
  const std::size_t error = output.find("Error:");
  ASSERT_NE(std::string::npos, error) << output;
  EXPECT_NE(std::string::npos, output.find("X display", error)) << output;
  EXPECT_EQ(std::string::npos, output.find("Error: data/settings.ini")) << output;
}

}  // namespace

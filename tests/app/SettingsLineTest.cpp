// The mode line read at its separators: every size a screen can have, the optional depth and
// rate, a byte-order mark and blanks; what cannot be a screen mode, and a folder in place of
// the file, refused with the path and the reason.
#include <gtest/gtest.h>

#include <stdlib.h>

#include <filesystem>
#include <string>
#include <vector>

#include "app/Settings.h"

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

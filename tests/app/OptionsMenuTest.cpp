// The menus inside the game, played through the replay driver: the pause menu leads to the
// options, whose changes are written into the player's own settings file (the rest of it kept)
// and read at the next start, keys bound on the bindings page included; a click in the menu
// chooses the entry under it and never fires; a settings folder that cannot be written is
// said so on the page and hurts nothing.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "support/Replay.h"

namespace {

using testsupport::Script;

std::string readAll(const std::string& path) {
  std::ifstream in(path);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

// A settings folder of this test's own for the games it starts; the variable goes back after.
class OptionsMenu : public ::testing::Test {
 protected:
  void SetUp() override {
    const char* old = std::getenv("XDG_CONFIG_HOME");
    hadConfigHome = old != nullptr;
    if (hadConfigHome) oldConfigHome = old;
    configHome = std::string(VAULTRUN_BINARY_DIR) + "/test-config-" +
                 ::testing::UnitTest::GetInstance()->current_test_info()->name();
    std::system(("rm -rf '" + configHome + "'").c_str());
    mkdir(configHome.c_str(), 0755);
    setenv("XDG_CONFIG_HOME", configHome.c_str(), 1);
  }
  void TearDown() override {
    if (hadConfigHome) {
      setenv("XDG_CONFIG_HOME", oldConfigHome.c_str(), 1);
    } else {
      unsetenv("XDG_CONFIG_HOME");
    }
  }
  std::string settingsFile() const { return configHome + "/vaultrun/settings.ini"; }

  std::string configHome, oldConfigHome;
  bool hadConfigHome = false;
};

Script& times(Script& s, const char* key, int count) {
  for (int i = 0; i < count; ++i) s.key(key);
  return s;
}

// A left click at a point of the 1024x768 window, the pointer moved there first.
std::string clickAt(int ms, int x, int y) {
  const std::string at = " " + std::to_string(x) + " " + std::to_string(y) + "\n";
  return std::to_string(ms) + " motion" + at + std::to_string(ms + 80) + " button left down" +
         at + std::to_string(ms + 160) + " button left up" + at;
}

// The main menu's entries: their baselines 318 + 70 i; a point inside each.
int entryY(int entry) { return 318 + 70 * entry - 14; }

}  // namespace

TEST_F(OptionsMenu, ChangesFromThePauseMenuAreSavedKeptAroundThePlayersLinesAndReadNextTime) {
  mkdir((configHome + "/vaultrun").c_str(), 0755);
  const std::string mine =
      "# my own settings\nfuture-option = 7\n\nmusic-volume = 100\n# keep me\n1024x768\n";
  std::ofstream(settingsFile()) << mine;

  Script s = Script::newGame();
  s.key("p");
  s.key("s").key("enter").report("options");   // Options
  times(s, "s", 6).key("a");                     // music volume: 100 -> 90
  times(s, "s", 2).key("d");                     // mouse sensitivity: 1 -> 1.25
  times(s, "s", 4).key("enter");                 // the key bindings
  times(s, "s", 10).key("enter").key("f");       // take: 'f' in place of 't'
  s.report("bindings").key("esc").key("esc").report("paused");
  const auto r = testsupport::runReplay(s.withoutScreenshots().end(400), "--step-ms 80");
  ASSERT_EQ(r.exitStatus, 0) << r.output;
  EXPECT_EQ(testsupport::reportLine(r, "options.screen"), "options") << r.output;
  EXPECT_EQ(testsupport::reportLine(r, "bindings.screen"), "bindings") << r.output;
  EXPECT_EQ(testsupport::reportLine(r, "paused.screen"), "playing") << r.output;
  EXPECT_EQ(testsupport::reportNumber(r, "paused.paused"), 1) << r.output;

  const std::string saved = readAll(settingsFile());
  EXPECT_EQ(saved.rfind("# my own settings\nfuture-option = 7\n\nmusic-volume = 90\n# keep me\n",
                        0), 0u) << saved;
  for (const char* line : {"\nmouse-sensitivity = 1.25\n", "\nkey-take = f\n",
                           "\nkey-walk-forward = w up\n"}) {
    EXPECT_NE(saved.find(line), std::string::npos) << line << saved;
  }
  EXPECT_EQ(saved.substr(saved.size() - 9), "1024x768\n") << saved;

  // The next start reads them: 'f' takes the picture, 't' no longer does. The mouse turns
  // 1.25 times as far now: the way to the picture in room two takes shorter moves.
  Script again = Script::newGame();
  again.walk(1040).turn(-642).walk(2400).turn(-628).walk(1040);
  again.key("t").report("t").key("f").report("f");
  const auto next = testsupport::runReplay(again.withoutScreenshots().end(400), "--step-ms 80");
  ASSERT_EQ(next.exitStatus, 0) << next.output;
  // Only the line the game does not know is named; every saved line reads.
  EXPECT_NE(next.output.find("settings.ini: line 2: unknown option \"future-option\""),
            std::string::npos) << next.output;
  EXPECT_EQ(next.output.find("settings.ini: line", next.output.find("future-option") + 1),
            std::string::npos) << next.output;
  EXPECT_EQ(testsupport::reportNumber(next, "t.bag"), 0) << next.output;
  EXPECT_EQ(testsupport::reportNumber(next, "f.bag"), 15) << next.output;
}

TEST_F(OptionsMenu, AClickChoosesTheEntryUnderItAndNeverFiresAndQAndTInTheMenuDoNothing) {
  // Shot at twice in play the guard would fall; the same clicks in the menu leave him whole.
  Script s = Script::newGame();
  s.key("esc").report("menu");
  std::string timeline = s.withoutScreenshots().end(0);
  timeline = timeline.substr(0, timeline.rfind('\n', timeline.size() - 2) + 1);
  int ms = 1000;
  const auto add = [&](const std::string& events) { timeline += events, ms += 400; };
  add(clickAt(ms, 100, 100) + clickAt(ms + 200, 512, 700));  // no entry: nothing
  add(std::to_string(ms) + " key-down q\n" + std::to_string(ms + 80) + " key-up q\n" +
      std::to_string(ms + 160) + " key-down t\n" + std::to_string(ms + 240) + " key-up t\n");
  add(std::to_string(ms) + " report nothing\n");
  const char* const screens[] = {"controls", "credits", "options"};
  for (int entry = 1; entry <= 3; ++entry) {
    add(clickAt(ms, 512, entryY(entry)));
    add(std::to_string(ms) + " report entry" + std::to_string(entry) + "\n");
    // Back to the menu: a click on the page, Esc from the options.
    add(entry == 3 ? std::to_string(ms) + " key-down esc\n" + std::to_string(ms + 80) +
                         " key-up esc\n"
                   : clickAt(ms, 512, 384));
  }
  add(clickAt(ms, 512, entryY(0)));
  add(std::to_string(ms) + " report started\n");
  add(std::to_string(ms) + " end\n");
  const auto r = testsupport::runReplay(timeline, "--step-ms 80");
  ASSERT_EQ(r.exitStatus, 0) << r.output;
  EXPECT_EQ(testsupport::reportLine(r, "nothing.screen"), "menu") << r.output;
  EXPECT_EQ(testsupport::reportNumber(r, "nothing.guard1", 3), 100) << r.output;
  EXPECT_EQ(testsupport::reportNumber(r, "nothing.guard2", 3), 100) << r.output;
  EXPECT_EQ(testsupport::reportNumber(r, "nothing.score"), 0) << r.output;
  EXPECT_EQ(testsupport::reportNumber(r, "nothing.bag"), 0) << r.output;
  for (int entry = 1; entry <= 3; ++entry) {
    EXPECT_EQ(testsupport::reportLine(r, "entry" + std::to_string(entry) + ".screen"),
              screens[entry - 1]) << r.output;
  }
  EXPECT_EQ(testsupport::reportLine(r, "started.screen"), "playing") << r.output;
}

TEST_F(OptionsMenu, ASettingsFolderThatCannotBeWrittenIsSaidOnThePageAndTheGamePlaysOn) {
  // A file where the folder should be: no save can go there (permissions alone would not
  // stop the root user the tests may run as).
  std::ofstream(configHome + "/vaultrun") << "in the way\n";
  Script s;
  times(s, "s", 3).key("enter");                 // Options from the main menu
  times(s, "s", 6).key("a").key("esc").report("refused").key("esc").report("menu");
  times(s, "w", 3).key("enter").report("playing");  // Start: the game goes on as usual
  const auto r = testsupport::runReplay(s.withoutScreenshots().end(400), "--step-ms 80");
  ASSERT_EQ(r.exitStatus, 0) << r.output;
  EXPECT_NE(r.output.find("The settings could not be saved: "), std::string::npos) << r.output;
  EXPECT_EQ(testsupport::reportLine(r, "refused.screen"), "options") << r.output;
  EXPECT_EQ(testsupport::reportLine(r, "menu.screen"), "menu") << r.output;
  EXPECT_EQ(testsupport::reportLine(r, "playing.screen"), "playing") << r.output;
  EXPECT_EQ(readAll(configHome + "/vaultrun"), "in the way\n");
}

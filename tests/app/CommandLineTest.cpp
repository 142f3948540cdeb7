// The real game's command line: --help and --version answer without opening a display, an
// unknown option or argument is named on standard error with the usage, status 2.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <string>

namespace {

struct GameRun {
  int status = -1;
  std::string out, err;
};

std::string slurp(const std::string& path) {
  std::ifstream file(path);
  const std::string text((std::istreambuf_iterator<char>(file)), {});
  std::remove(path.c_str());
  return text;
}

// No DISPLAY: anything that tried to open one would fail. The files are the process's own,
// as tests run side by side.
GameRun runGame(const std::string& arguments) {
  const std::string base = testing::TempDir() + "cli-" + std::to_string(getpid());
  const int raw = std::system(("env -u DISPLAY '" VAULTRUN_GAME_BINARY "' " + arguments + " >" +
                               base + "-out 2>" + base + "-err").c_str());
  return GameRun{WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, slurp(base + "-out"), slurp(base + "-err")};
}

TEST(CommandLine, HelpAndVersionAnswerWithoutADisplay) {
  const GameRun help = runGame("--help");
  EXPECT_EQ(help.status, 0);
  EXPECT_EQ(help.out.rfind("Usage: vaultrun", 0), 0u) << help.out;
  for (const char* item : {"--help", "--version", "--window", "--data DIR", "\n  p ", "Esc"}) {
    EXPECT_NE(help.out.find(item), std::string::npos) << item;
  }
  EXPECT_EQ(help.err, "");
  const GameRun version = runGame("--version");
  EXPECT_EQ(version.status, 0);
  EXPECT_EQ(version.out, "vaultrun " VAULTRUN_PROJECT_VERSION "\n");
}

TEST(CommandLine, AnUnknownOptionIsNamedWithTheUsageAndStatusTwo) {
  for (const char* wrong : {"--bogus", "museum", "--help --bogus"}) {
    const GameRun run = runGame(wrong);
    EXPECT_EQ(run.status, 2) << wrong;
    EXPECT_EQ(run.out, "") << wrong;
    const std::string firstLine = run.err.substr(0, run.err.find('\n'));
    EXPECT_NE(firstLine.find(wrong[0] == 'm' ? "'museum'" : "'--bogus'"), std::string::npos)
        << run.err;
    EXPECT_NE(run.err.find("\nUsage: vaultrun"), std::string::npos) << run.err;
  }
}

}  // namespace

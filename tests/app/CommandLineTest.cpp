// The real game's command line: --help and --version answer without opening a display, an
// unknown option or argument is named on standard error with the usage, status 2.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <fstream>

namespace {

std::string slurp(const std::string& path) {
  std::ifstream file(path);
  const std::string text((std::istreambuf_iterator<char>(file)), {});
  std::remove(path.c_str());
  return text;
}

// Status, standard output and standard error, with no DISPLAY: anything that tried to open
// one would fail. The files are the process's own, as tests run side by side.
std::tuple<int, std::string, std::string> runGame(const std::string& arguments) {
  const std::string base = testing::TempDir() + "cli-" + std::to_string(getpid());
  const int raw = std::system(("env -u DISPLAY '" VAULTRUN_GAME_BINARY "' " + arguments + " >" +
                               base + "-out 2>" + base + "-err").c_str());
  return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, slurp(base + "-out"), slurp(base + "-err")};
}

TEST(CommandLine, HelpAndVersionAnswerWithoutADisplay) {
  const auto [status, out, err] = runGame("--help");
  EXPECT_EQ(status, 0);
  EXPECT_EQ(out.rfind("Usage: vaultrun", 0), 0u) << out;
  for (const char* item : {"--version", "--window", "--data DIR", "\n  p ", "Esc"}) {
    EXPECT_NE(out.find(item), std::string::npos) << item;
  }
  EXPECT_EQ(err, "");
  EXPECT_EQ(runGame("--version"), std::make_tuple(0, "vaultrun " VAULTRUN_PROJECT_VERSION "\n", ""));
}

TEST(CommandLine, AnUnknownOptionIsNamedWithTheUsageAndStatusTwo) {
  for (const std::string wrong : {"--bogus", "museum", "--help --bogus"}) {
    const auto [status, out, err] = runGame(wrong);
    EXPECT_EQ(status, 2) << wrong;
    EXPECT_EQ(out, "") << wrong;
    const std::string named = wrong == "museum" ? "'museum'" : "'--bogus'";
    EXPECT_NE(err.substr(0, err.find('\n')).find(named), std::string::npos) << err;
    EXPECT_NE(err.find("\nUsage: vaultrun"), std::string::npos) << err;
  }
}

}  // namespace

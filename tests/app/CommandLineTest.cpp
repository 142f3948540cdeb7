// The real game's command line: --help and --version answer without opening a display, an
// unknown option or argument is named on standard error with the usage, status 2.
#include <gtest/gtest.h>

#include <tuple>

#include "support/Process.h"

namespace {

// Status, standard output and standard error, with no DISPLAY: anything that tried to open
// one would fail.
std::tuple<int, std::string, std::string> runGame(const std::string& arguments) {
  const auto run = testsupport::runCommand("env -u DISPLAY '" VAULTRUN_GAME_BINARY "' " + arguments);
  return {run.status, run.out, run.err};
}

TEST(CommandLine, HelpAndVersionAnswerWithoutADisplay) {
  const auto [status, out, err] = runGame("--help");
  EXPECT_EQ(status, 0);
  EXPECT_EQ(out.rfind("Usage: vaultrun", 0), 0u) << out;
  EXPECT_NE(out.find("--window"), std::string::npos) << out;
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

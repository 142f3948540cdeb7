// The timedemo on a short route: it runs to its end and prints its one summary line, well
// formed. Its timings are not checked: they depend on the machine and what else runs on it.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <regex>
#include <string>

#include "support/Process.h"

namespace {

const std::string timedemo = std::string(VAULTRUN_BINARY_DIR) + "/bench/vaultrun-timedemo";

testsupport::CommandRun runTimedemo(const std::string& arguments) {
  return testsupport::runCommand(std::string("cd '") + VAULTRUN_SOURCE_DIR + "' && '" + timedemo +
                                 "' " + arguments);
}

}  // namespace

TEST(Timedemo, ShortRoutePrintsOneWellFormedLine) {
  if (access(timedemo.c_str(), X_OK) != 0) GTEST_SKIP() << "no timedemo in this build";
  if (std::getenv("DISPLAY") == nullptr) GTEST_SKIP() << "no X display";
  const std::string csv = "/tmp/vaultrun-timedemo-test-" + std::to_string(getpid()) + ".csv";
  const auto run = runTimedemo("--short --startup-runs 1 --csv '" + csv + "'");
  ASSERT_EQ(run.status, 0) << run.err;
  const std::string number = "[0-9]+(\\.[0-9]+)?";
  const std::regex line("vaultrun-timedemo frames=[0-9]+ seconds=" + number + " fps=" + number +
                        " p50=" + number + "ms p99=" + number + "ms max=" + number +
                        "ms floor-p50=" + number + "ms ratio=" + number + " layer-p50=" + number +
                        "ms layer-ratio=" + number + " startup=" + number +
                        "ms peak=" + number + "MB threads=[0-9]+ renderer=\"[^\"\n]+\"\n");
  EXPECT_TRUE(std::regex_match(run.out, line)) << run.out << run.err;
  // Every frame of the short route and of its floor is in the file, after a header.
  std::ifstream file(csv);
  std::string header, row;
  std::getline(file, header);
  EXPECT_EQ(header, "frame,route_ms,route_cpu_ms,floor_ms,floor_cpu_ms,layer_ms,layer_cpu_ms");
  int rows = 0;
  while (std::getline(file, row)) ++rows;
  EXPECT_EQ(rows, 240);
  std::remove(csv.c_str());
}

TEST(Timedemo, RefusesUnknownOptions) {
  if (access(timedemo.c_str(), X_OK) != 0) GTEST_SKIP() << "no timedemo in this build";
  const auto run = runTimedemo("--frames 0");
  EXPECT_EQ(run.status, 2);
  EXPECT_TRUE(run.out.empty());
  EXPECT_NE(run.err.find("usage: vaultrun-timedemo"), std::string::npos) << run.err;
}

// The timedemo on a short route: it runs to its end and prints its one summary line, well
// formed. Its timings are not checked: they depend on the machine and what else runs on it.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>

namespace {

const std::string timedemo = std::string(VAULTRUN_BINARY_DIR) + "/bench/vaultrun-timedemo";

struct TimedemoRun {
  int status = -1;
  std::string out;
  std::string err;
};

TimedemoRun runTimedemo(const std::string& arguments) {
  TimedemoRun run;
  const std::string errPath = "/tmp/vaultrun-timedemo-test-" + std::to_string(getpid()) + ".err";
  const std::string command = std::string("cd '") + VAULTRUN_SOURCE_DIR + "' && '" + timedemo +
                              "' " + arguments + " 2>'" + errPath + "'";
  FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) return run;
  char buffer[4096];
  std::size_t n;
  while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) run.out.append(buffer, n);
  const int status = pclose(pipe);
  run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  std::ostringstream err;
  err << std::ifstream(errPath).rdbuf();
  run.err = err.str();
  std::remove(errPath.c_str());
  return run;
}

}  // namespace

TEST(Timedemo, ShortRoutePrintsOneWellFormedLine) {
  if (access(timedemo.c_str(), X_OK) != 0) GTEST_SKIP() << "no timedemo in this build";
  if (std::getenv("DISPLAY") == nullptr) GTEST_SKIP() << "no X display";
  const std::string csv = "/tmp/vaultrun-timedemo-test-" + std::to_string(getpid()) + ".csv";
  const TimedemoRun run = runTimedemo("--short --startup-runs 1 --csv '" + csv + "'");
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
  const TimedemoRun run = runTimedemo("--frames 0");
  EXPECT_EQ(run.status, 2);
  EXPECT_TRUE(run.out.empty());
  EXPECT_NE(run.err.find("usage: vaultrun-timedemo"), std::string::npos) << run.err;
}

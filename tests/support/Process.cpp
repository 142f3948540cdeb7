// Runs shell commands with their standard error kept in a file of this process's own.
#include "support/Process.h"

#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <cstdio>
#include <fstream>
#include <iterator>

namespace testsupport {

CommandRun runCommand(const std::string& command) {
  static std::atomic<int> runs{0};
  const std::string errPath = "/tmp/vaultrun-test-" + std::to_string(getpid()) + "-" +
                              std::to_string(runs++) + ".err";
  CommandRun run;
  FILE* pipe = popen(("{ " + command + "\n} 2>'" + errPath + "'").c_str(), "r");
  if (pipe == nullptr) return run;
  char buffer[4096];
  std::size_t n;
  while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) run.out.append(buffer, n);
  const int status = pclose(pipe);
  run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  run.err = readFile(errPath);
  std::remove(errPath.c_str());
  return run;
}

std::string readFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace testsupport

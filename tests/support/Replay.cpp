// Runs vaultrun-replay as a child process.
#include "support/Replay.h"

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

namespace testsupport {

ReplayResult runReplay(const std::string& timeline, const std::string& arguments) {
  ReplayResult result;
  char path[] = "/tmp/vaultrun-timeline-XXXXXX";
  const int fd = mkstemp(path);
  if (fd < 0) return result;
  close(fd);
  std::ofstream(path) << timeline;
  const std::string command = std::string("cd '") + VAULTRUN_SOURCE_DIR + "' && '" +
                              VAULTRUN_REPLAY_BINARY + "' " + arguments + " '" + path + "' 2>&1";
  FILE* pipe = popen(command.c_str(), "r");
  if (pipe != nullptr) {
    char buffer[4096];
    std::size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) result.output.append(buffer, n);
    const int status = pclose(pipe);
    result.exitStatus = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }
  std::remove(path);
  std::istringstream lines(result.output);
  std::string line;
  while (std::getline(lines, line)) {
    std::istringstream in(line);
    std::string name;
    in >> name;
    std::vector<double> values;
    std::string word;
    while (in >> word) {
      char* end = nullptr;
      const double v = std::strtod(word.c_str(), &end);
      if (end != word.c_str() && *end == '\0') values.push_back(v);
    }
    if (!name.empty() && !values.empty()) result.numbers[name] = values;
  }
  return result;
}

}  // namespace testsupport

// Runs the game once with the first-frame probe preloaded and reads what the probe reports.
#include "StartupTime.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

long long monotonicNanoseconds() {
  return std::chrono::duration_cast<std::chrono::nanoseconds>(
             std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

// In the child: output to /dev/null, the probe preloaded and told where to write.
[[noreturn]] void runGame(const std::string& game, const std::string& probe, int writeEnd) {
  const int devNull = open("/dev/null", O_WRONLY);
  if (devNull >= 0) {
    dup2(devNull, STDOUT_FILENO);
    dup2(devNull, STDERR_FILENO);
  }
  setenv("LD_PRELOAD", probe.c_str(), 1);
  setenv("VAULTRUN_PROBE_FD", std::to_string(writeEnd).c_str(), 1);
  char* argv[] = {const_cast<char*>(game.c_str()), nullptr};
  execv(game.c_str(), argv);
  _exit(127);
}

}  // namespace

StartupTime measureStartup(const std::string& game, const std::string& probe) {
  StartupTime result;
  if (access(game.c_str(), X_OK) != 0 || access(probe.c_str(), R_OK) != 0) {
    result.error = "cannot find the game " + game + " or the probe " + probe;
    return result;
  }
  int ends[2];
  if (pipe(ends) != 0) {
    result.error = "cannot make a pipe for the probe";
    return result;
  }
  std::fflush(nullptr);
  const long long started = monotonicNanoseconds();
  const pid_t child = fork();
  if (child == 0) {
    close(ends[0]);
    runGame(game, probe, ends[1]);
  }
  close(ends[1]);
  std::string reading;
  char buffer[128];
  ssize_t n;
  while ((n = read(ends[0], buffer, sizeof buffer)) > 0) reading.append(buffer, static_cast<std::size_t>(n));
  close(ends[0]);
  int status = 0;
  if (child > 0) waitpid(child, &status, 0);
  long long swapped = 0;
  long peakKb = 0;
  long long cpuNs = 0;
  if (child < 0 || std::sscanf(reading.c_str(), "%lld %ld %lld", &swapped, &peakKb, &cpuNs) != 3) {
    result.error = "the game " + game + " ended (status " + std::to_string(WEXITSTATUS(status)) +
                   ") before its first frame";
    return result;
  }
  result.ms = static_cast<double>(swapped - started) / 1e6;
  result.cpuMs = static_cast<double>(cpuNs) / 1e6;
  result.peakMb = static_cast<double>(peakKb) / 1024.0;
  return result;
}

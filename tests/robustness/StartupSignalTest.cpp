// A termination signal while the game is still loading ends it with status 0 at the next file
// it opens, before a window is made or the world is loaded, instead of waiting for the first
// idle update. The game is held at a known point of its start-up: its loading line goes to a
// pipe that is full, so it waits in that write until the test reads.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <string>
#include <thread>

#include "support/Process.h"

namespace {

// True once the process waits in a write to a pipe (what the kernel names its wait channel).
bool waitsOnPipe(pid_t pid) {
  const std::string channel = testsupport::readFile("/proc/" + std::to_string(pid) + "/wchan");
  return channel.find("pipe_write") != std::string::npos;
}

TEST(StartupSignal, ATerminationSignalWhileLoadingEndsTheGameWithStatusZeroBeforeAWindow) {
  int out[2];
  ASSERT_EQ(0, pipe2(out, O_CLOEXEC));
  // Fill the pipe, so that the game's first line cannot be written.
  const int flags = fcntl(out[1], F_GETFL);
  fcntl(out[1], F_SETFL, flags | O_NONBLOCK);
  const std::string block(4096, '.');
  std::size_t filled = 0;
  for (ssize_t n; (n = write(out[1], block.data(), block.size())) > 0;) filled += n;
  fcntl(out[1], F_SETFL, flags);

  const pid_t pid = fork();
  if (pid == 0) {
    dup2(out[1], 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    if (chdir(VAULTRUN_SOURCE_DIR) != 0) _exit(126);
    execl(VAULTRUN_GAME_BINARY, VAULTRUN_GAME_BINARY, static_cast<char*>(nullptr));
    _exit(127);
  }
  close(out[1]);
  bool held = false;
  for (int i = 0; i < 200 && !held; ++i) {
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    held = waitsOnPipe(pid);
  }
  EXPECT_TRUE(held) << "the game never wrote its loading line";
  kill(pid, SIGTERM);
  // Drain the pipe: the write goes on, and the loading goes on to its first file.
  std::string output;
  char buffer[4096];
  for (ssize_t n; (n = read(out[0], buffer, sizeof buffer)) > 0;) output.append(buffer, n);
  close(out[0]);
  int raw = 0;
  const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(60);
  while (waitpid(pid, &raw, WNOHANG) == 0) {
    if (std::chrono::steady_clock::now() > until) {
      kill(pid, SIGKILL);
      waitpid(pid, &raw, 0);
      FAIL() << "the game did not end";
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  ASSERT_TRUE(WIFEXITED(raw)) << "ended by signal " << WTERMSIG(raw);
  EXPECT_EQ(0, WEXITSTATUS(raw));
  output.erase(0, filled);
  EXPECT_EQ(output, "The Vaultrun is loading - please wait!\n");
}

}  // namespace

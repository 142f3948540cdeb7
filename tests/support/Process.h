// Shell commands run from the tests (the real game, the timedemo, the replay driver) and whole
// files read back.
#pragma once

#include <string>

namespace testsupport {

struct CommandRun {
  int status = -1;  // the exit status, -1 for a signal or no shell
  std::string out, err;
};

// Runs the command under /bin/sh and waits for it.
CommandRun runCommand(const std::string& command);

// The file's bytes, or "" when it cannot be read.
std::string readFile(const std::string& path);

}  // namespace testsupport

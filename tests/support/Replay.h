// Running the replay driver on a timeline and reading its end-of-run statement.
#pragma once

#include <map>
#include <string>
#include <vector>

namespace testsupport {

struct ReplayResult {
  int exitStatus = -1;
  std::string output;                                   // everything it printed
  std::map<std::string, std::vector<double>> numbers;   // "name v1 v2 ..." lines
};

// Writes the timeline to a temporary file and runs vaultrun-replay on it from the source
// folder (which holds data/), with extra command-line arguments.
ReplayResult runReplay(const std::string& timeline, const std::string& arguments = "");

}  // namespace testsupport

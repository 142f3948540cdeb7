// Start-up time of the real game binary: process start to its first menu frame on screen.
#pragma once

#include <string>

struct StartupTime {
  double ms = 0.0;        // from just before the process is started to its first swap finished
  double cpuMs = 0.0;     // CPU time the game took for it, all its threads
  double peakMb = 0.0;    // the game's peak resident memory by then
  std::string error;      // empty when measured
};

// Starts game (run from the current folder, which must hold data/) with the first-frame probe
// preloaded, on the same display, and waits for the probe's reading. The game's own output is
// discarded.
StartupTime measureStartup(const std::string& game, const std::string& probe);

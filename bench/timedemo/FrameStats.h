// Frame-time statistics of a timedemo run and its one summary line.
#pragma once

#include <string>
#include <vector>

// The value at the given fraction (0.5 the median, 0.99 the 99th percentile) of the sorted
// times: the smallest value that at least that fraction of all values do not exceed.
double percentile(std::vector<double> values, double fraction);

struct TimedemoSummary {
  std::vector<double> routeMs;  // measured frames, warm-up dropped
  std::vector<double> floorMs;
  std::vector<double> layerMs;
  double startupMs = 0.0;
  double peakMegabytes = 0.0;
  int threads = 0;
  std::string renderer;
};

// "vaultrun-timedemo frames=... seconds=... fps=... p50=...ms p99=...ms max=...ms
// floor-p50=...ms ratio=... layer-p50=...ms layer-ratio=... startup=...ms peak=...MB threads=... renderer=\"...\""
std::string summaryLine(const TimedemoSummary& summary);

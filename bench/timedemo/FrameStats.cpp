// Frame-time statistics and the summary line.
#include "FrameStats.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numeric>

double percentile(std::vector<double> values, double fraction) {
  if (values.empty()) return 0.0;
  std::sort(values.begin(), values.end());
  const double rank = std::ceil(fraction * static_cast<double>(values.size()));
  const std::size_t index = rank < 1.0 ? 0 : static_cast<std::size_t>(rank) - 1;
  return values[std::min(index, values.size() - 1)];
}

std::string summaryLine(const TimedemoSummary& s) {
  const double seconds = std::accumulate(s.routeMs.begin(), s.routeMs.end(), 0.0) / 1000.0;
  const double fps = seconds > 0.0 ? static_cast<double>(s.routeMs.size()) / seconds : 0.0;
  const double p50 = percentile(s.routeMs, 0.5);
  const double floorP50 = percentile(s.floorMs, 0.5);
  const double layerP50 = percentile(s.layerMs, 0.5);
  const double maxMs = s.routeMs.empty() ? 0.0 : *std::max_element(s.routeMs.begin(), s.routeMs.end());
  char line[512];
  std::snprintf(line, sizeof line,
                "vaultrun-timedemo frames=%zu seconds=%.2f fps=%.1f p50=%.2fms p99=%.2fms "
                "max=%.2fms floor-p50=%.2fms ratio=%.2f layer-p50=%.2fms layer-ratio=%.2f startup=%.0fms peak=%.0fMB threads=%d "
                "renderer=\"%s\"",
                s.routeMs.size(), seconds, fps, p50, percentile(s.routeMs, 0.99), maxMs, floorP50,
                floorP50 > 0.0 ? p50 / floorP50 : 0.0, layerP50,
                layerP50 > 0.0 ? p50 / layerP50 : 0.0, s.startupMs, s.peakMegabytes, s.threads,
                s.renderer.c_str());
  return line;
}

// The monotonic millisecond clock and its virtual replacement.
#include "platform/Clock.h"

#include <chrono>
#include <thread>

namespace platform {

namespace {

using SteadyClock = std::chrono::steady_clock;

// Set once at static initialisation, so readings count from program start.
const SteadyClock::time_point programStart = SteadyClock::now();

// Virtual clock state, owned by whoever calls useVirtualClock (tests, replay, benchmark).
bool virtualActive = false;
std::uint64_t virtualMicros = 0;

}  // namespace

std::uint32_t clockMs() {
  if (virtualActive) {
    return static_cast<std::uint32_t>(virtualMicros / 1000u);
  }
  const auto elapsed = SteadyClock::now() - programStart;
  const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count();
  return static_cast<std::uint32_t>(ms);
}

float clockSeconds() {
  return static_cast<float>(clockMs()) * 0.001f;
}

double clockSecondsDouble() {
  return static_cast<double>(static_cast<float>(clockMs()) * 0.001f);
}

void useVirtualClock(std::uint64_t startMicros) {
  virtualActive = true;
  virtualMicros = startMicros;
}

void useRealClock() {
  virtualActive = false;
}

bool virtualClockInUse() {
  return virtualActive;
}

void setVirtualClockMicros(std::uint64_t micros) {
  virtualMicros = micros;
}

void advanceVirtualClockMicros(std::uint64_t micros) {
  virtualMicros += micros;
}

std::uint64_t virtualClockMicros() {
  return virtualMicros;
}

void sleepMs(std::uint32_t ms) {
  if (virtualActive) {
    virtualMicros += static_cast<std::uint64_t>(ms) * 1000u;
    return;
  }
  std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

}  // namespace platform

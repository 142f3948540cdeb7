// The monotonic millisecond clock and its virtual replacement, and the pause that stops the
// game's reading of either.
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

// The pause, owned by pauseClock and resumeClock: the source's time spent paused before the
// current pause, and while paused the source's reading when it began.
std::uint64_t pausedMicros = 0;
bool paused = false;
std::uint64_t pauseStartMicros = 0;

// The frame's held reading, owned by holdClockReading and releaseClockReading.
bool held = false;
std::uint64_t heldMicros = 0;

// The source the game's clock runs on: microseconds since program start, or the virtual
// reading.
std::uint64_t sourceMicros() {
  if (virtualActive) {
    return virtualMicros;
  }
  const auto elapsed = SteadyClock::now() - programStart;
  return static_cast<std::uint64_t>(
      std::chrono::duration_cast<std::chrono::microseconds>(elapsed).count());
}

// The game's time: the source less the paused time; it stands still during a pause.
std::uint64_t gameMicros() {
  if (held) return heldMicros;
  const std::uint64_t source = paused ? pauseStartMicros : sourceMicros();
  return source >= pausedMicros ? source - pausedMicros : 0;
}

}  // namespace

std::uint32_t clockMs() {
  return static_cast<std::uint32_t>(gameMicros() / 1000u);
}

void pauseClock() {
  if (paused) return;
  pauseStartMicros = sourceMicros();
  paused = true;
}

void resumeClock() {
  if (!paused) return;
  const std::uint64_t source = sourceMicros();
  // A virtual clock set back during the pause adds no negative time.
  if (source > pauseStartMicros) pausedMicros += source - pauseStartMicros;
  paused = false;
}

bool clockPaused() {
  return paused;
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
  pausedMicros = 0;
  paused = false;
}

void useRealClock() {
  virtualActive = false;
  pausedMicros = 0;
  paused = false;
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

void holdClockReading() {
  held = false;
  heldMicros = gameMicros();
  held = true;
}

void releaseClockReading() {
  held = false;
}

bool clockReadingHeld() {
  return held;
}

void sleepMs(std::uint32_t ms) {
  if (virtualActive) {
    virtualMicros += static_cast<std::uint64_t>(ms) * 1000u;
    return;
  }
  std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

}  // namespace platform

// The game's one clock: milliseconds since program start, from a monotonic source.
// Tests, the replay driver and the benchmark replace the source with a virtual clock.
#pragma once

#include <cstdint>

namespace platform {

// Milliseconds since program start (or the virtual clock's reading), wrapping at 2^32.
std::uint32_t clockMs();

// The game's time in seconds: clockMs() converted to float and multiplied by 0.001f.
float clockSeconds();

// Same reading as a double (for the timers the game keeps at double precision).
double clockSecondsDouble();

// Virtual clock: once enabled, clockMs() returns the virtual reading, which only
// advanceVirtualClock / setVirtualClockMicros change. Kept in microseconds so that a
// 1/60 s frame step does not drift.
void useVirtualClock(std::uint64_t startMicros = 0);
void useRealClock();
bool virtualClockInUse();
void setVirtualClockMicros(std::uint64_t micros);
void advanceVirtualClockMicros(std::uint64_t micros);
std::uint64_t virtualClockMicros();

// Sleeps the calling thread for the given milliseconds (under the virtual clock, advances it).
void sleepMs(std::uint32_t ms);

}  // namespace platform

// The game's one clock: milliseconds since program start, from a monotonic source, less the
// time spent paused. Tests, the replay driver and the benchmark replace the source with a
// virtual clock; the pause works the same on either.
#pragma once

#include <cstdint>

namespace platform {

// Milliseconds since program start (or the virtual clock's reading), less the paused time,
// wrapping at 2^32.
std::uint32_t clockMs();

// The pause: from pauseClock to resumeClock every reading above stays where it stood, and
// afterwards the clock goes on from there, so every timer of the game, the animations and the
// next frame interval see no paused time. A second pause or resume does nothing.
void pauseClock();
void resumeClock();
bool clockPaused();

// The game's time in seconds: clockMs() converted to float and multiplied by 0.001f.
float clockSeconds();

// Same reading as a double (for the timers the game keeps at double precision).
double clockSecondsDouble();

// Virtual clock: once enabled, clockMs() returns the virtual reading, which only
// advanceVirtualClock / setVirtualClockMicros change. Choosing a source ends any pause and
// forgets the paused time. Kept in microseconds so that a
// 1/60 s frame step does not drift.
void useVirtualClock(std::uint64_t startMicros = 0);
void useRealClock();
bool virtualClockInUse();
void setVirtualClockMicros(std::uint64_t micros);
void advanceVirtualClockMicros(std::uint64_t micros);
std::uint64_t virtualClockMicros();

// A frame's one reading: from holdClockReading to releaseClockReading every reading is the
// one at the hold, so all the rules of a frame see the same millisecond (a recorded heist
// then plays back exactly). The pause still works underneath.
void holdClockReading();
void releaseClockReading();
// True between the two.
bool clockReadingHeld();

// Sleeps the calling thread for the given milliseconds (under the virtual clock, advances it).
void sleepMs(std::uint32_t ms);

}  // namespace platform

// A 64-bit digest of everything a frame of play can change: the screen, the player, the
// guards and their animation clocks, the alarm, the messages and what is left to take. Two
// builds that play a route with the same digest after every frame played it the same way.
#pragma once

#include <cstdint>

// The digest of the game's state now and the walking directions held (the keys' state),
// chained onto `previous` (0 for the first frame).
std::uint64_t stateDigest(std::uint64_t previous, std::int32_t forward, std::int32_t sideways);

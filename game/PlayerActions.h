// What the player does in play beyond walking and looking: take what is within reach, empty
// the bag at the drop zone, leave at the exit with the verdict, and shoot. The keys and the
// mouse call these; each does nothing where its rule says so (out of reach, out of the zone).
#pragma once

#include "geometry/Vector3.h"

// The bag holds objects whose bag space adds up to at most this.
constexpr float bagCapacity = 100.0f;

// The drop zone by the entrance, where 'g' empties the bag, and the exit zone, where 'q'
// leaves: on the floor, level units.
bool inDropZone(const Vector3& p);
bool inExitZone(const Vector3& p);

// 't': everything within reach in the player's room goes into the bag while it fits.
void takeWithinReach();
// 'g': in the drop zone, the bag is emptied.
void emptyBag();
// 'q': in the exit zone, the heist ends with the verdict on the score.
void leaveMuseum();
// The left button: the player fires along his line of sight; a guard on it is hit.
void firePlayerShot();

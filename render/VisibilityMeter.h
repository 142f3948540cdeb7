// The stealth rules' visibility meter in the bottom left corner of the HUD: how far off a
// guard sees the player in the light where he stands, whether his steps are heard, and how
// alert the nearest guard is.
#pragma once

// Draws the meter inside the HUD's 2D overlay, when the stealth rules are played and the
// meter is switched on; nothing otherwise.
void drawVisibilityMeter();

// The nearest guard's alertness, as the meter names it: "calm", "suspicious", "sees you" or
// "alerted"; "none" while no guard stands.
const char* nearestGuardAlertness();

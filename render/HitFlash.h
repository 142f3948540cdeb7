// The red flash when a guard's shot hits the player: over the whole window, strongest at the
// hit and gone after about 0.2 seconds.
#pragma once

// Draws the flash over the finished museum frame (call last). Notices a hit by the player's
// health falling since the previous call.
void drawHitFlash();

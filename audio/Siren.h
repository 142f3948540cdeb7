// The siren: a looping wail on a channel of its own that sounds exactly while an alarm runs
// in play. It follows the game state once a frame rather than hooking every place that
// raises or ends an alarm, so no path (the alarm's own end, a new game, the menu, the end
// screens) can leave it wailing.
#pragma once

// Starts the siren when an alarm runs in play, stops it otherwise. Called once a frame by
// the display; plays and stops only on a change, so the sound log shows one play per alarm.
void updateSiren();

// Stops the siren if it sounds (shutdown calls it before the sounds are released).
void silenceSiren();

// True while the game has the siren sounding (audible or not).
bool sirenSounding();

// The five room lights (GL lights 0 to 4), set every frame, and the three red alarm lights
// (GL lights 5 to 7) that blink while the alarm runs. Their colours are set once at start-up;
// this file places them every frame and switches them as the game's alarm says.
#pragma once

// Lights 0 to 4, brighter and bluish-grey while the alarm is shown, and the places of the
// alarm lights 5 to 7 (on or off). Call right after the view transform is loaded, so that the
// positions stay fixed in the world.
void setRoomLights();

// The red alarm lights 5 to 7 on or off, as the alarm's blink left them.
void switchAlarmLights(bool on);

// How lights 0 to 4 fade with distance: the plan's attenuation, which the stealth rules' light
// at the player's place (geometry/LampLight.h) reads too. Once, at start-up.
void setRoomLightFalloff();

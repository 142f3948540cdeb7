// The game's twelve sounds: two music streams sharing channel 3, nine effects and the siren.
#pragma once

#include "audio/Sound.h"

// Created by createSounds() at start-up, after initSound(), and kept for the whole run;
// shutdown deletes some of them. Channels 0, 1 and 2 are each shared by effects that cut
// each other off; both music streams play on channel 3.
extern Sound* menuMusic;        // channel 3, loops
extern Sound* gameMusic;        // channel 3, loops
extern Sound* clapsSound;       // channel 0: the menu selection moved
extern Sound* shutdownSound;    // channel 1: leaving the program
extern Sound* gunshotSound;     // channel 0: the player fires
extern Sound* clickSound;       // channel 1: an object taken
extern Sound* transferSound;    // channel 1: the bag emptied at the drop zone
extern Sound* sorrySound;       // channel 2: the bag is full
extern Sound* crySound;         // channel 2: a guard hit
extern Sound* footstepSound;    // channel 4: walking
extern Sound* pistolShotSound;  // channel 5: a guard fires
extern Sound* sirenSound;       // channel 6, loops: the alarm runs (audio/Siren.h)

// Creates the twelve sounds in their fixed order from data/audio (any made before are
// deleted first). Missing files give silent sounds.
void createSounds();

// From now on the game's cues play the sounds above (createSounds does it).
void playCuesWithGameSounds();

// Deletes the sound if there is one and clears the pointer.
void releaseSound(Sound*& sound);

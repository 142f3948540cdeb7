// The game's ten sound effects, synthesised as mono signals at synth::kSampleRate and set to
// one loudness (the same RMS, peaks limited under -1 dB below full scale).
#pragma once

#include "Synth.h"

namespace assetgen::effects {

synth::Signal claps();          // menu step: one short hand clap
synth::Signal shutdown();       // leaving the game: a tone sinking away, under 2 seconds
synth::Signal gunshot();        // the player's pistol: close, sharp
synth::Signal pistolShot();     // a guard's pistol: heavier, further off, echoing down the hall
synth::Signal click();          // taking an object
synth::Signal transferData();   // emptying the bag: a rising stream of data chirps
synth::Signal sorry();          // the bag is full: two falling buzzes
synth::Signal cry();            // a guard is hit: a short voiced cry
synth::Signal footstep();       // two steps, played back to back while walking
synth::Signal siren();          // the alarm: a rising and falling wail, seamless as a loop

}  // namespace assetgen::effects

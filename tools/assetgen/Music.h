// The two music loops, rendered as stereo signals at synth::kSampleRate whose end runs straight
// into their start (note tails and the room's echo wrap around), so they loop without a seam.
#pragma once

#include "Synth.h"

namespace assetgen::music {

struct StereoLoop {
  synth::Signal left, right;
};

// The menu: a calm night-time piece, slow electric piano over a soft pad, twice round its
// progression. 64 seconds.
StereoLoop menuTheme();
// The game: a tense sneaking loop, plucked bass, ticking percussion and creeping marimba.
// 67.2 seconds.
StereoLoop sneakingLoop();

}  // namespace assetgen::music

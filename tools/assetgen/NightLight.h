// Materials for a museum at night. The game's room lights have no falloff with distance and
// a strong ambient share (five lights' ambient plus the global one: about 1.2, 1.2, 1.7 in
// all), so a surface's own ambient decides how bright the dark parts are, and its diffuse how
// bright the pools under the lamps get. The night materials keep the ambient small, the
// diffuse large (above 1: the lamps' diffuse is only 0.2, 0.2, 0.3), and tint both so that
// the bluish lights come out as a faint blue moonlight in the dark and warm lamplight in the
// pools, whichever way a face turns.
#pragma once

#include "TextModelWriter.h"

namespace assetgen::night {

// Multiplies the material's ambient: the sum of the ambient lights is bluer than white.
constexpr float kAmbientTint[3] = {1.0f, 1.0f, 0.82f};
// Multiplies the material's diffuse: turns the lamps' bluish grey into a warm white.
constexpr float kDiffuseTint[3] = {1.0f, 0.9f, 0.6f};

// ambient: the share of the surface seen in the dark (about 0.05 to 0.15 for the building);
// diffuse: under a lamp, about 0.25 * diffuse reaches the eye (before the texture);
// emission: a glow of its own, for lamps, signs and the floor markings.
inline MaterialSpec nightMaterial(const char* name, float ambient, float diffuse,
                                  const char* texture, float emission = 0.0f,
                                  float specular = 0.0f) {
  MaterialSpec m;
  m.name = name;
  for (int k = 0; k < 3; ++k) {
    m.ambient[k] = ambient * kAmbientTint[k];
    m.diffuse[k] = diffuse * kDiffuseTint[k];
    m.emission[k] = emission;
    m.specular[k] = specular;
  }
  m.texture = texture;
  return m;
}

}  // namespace assetgen::night

// Text lines drawn from the generated glyph atlases (data/textures/text/), at any size, with
// a dark outline that keeps them legible over light walls. Inside the 2D overlay only.
#pragma once

#include <string>

enum class TextFace { Serif, Sans };

// Reads and checks every atlas of both faces once (later calls return at once); each atlas's
// picture is uploaded when a line is first drawn from it. On failure returns false with
// `error` naming the file and the reason, and leaves nothing loaded.
bool loadGlyphAtlases(std::string& error);
bool glyphAtlasesLoaded();

// Draws `text` with the pen starting at window pixel (x, y) on the baseline (y downwards),
// glyphs `scale` times the face's size on a 1024x768 screen, in colour (three floats).
// Draws from the atlas nearest above the size; at its own size every glyph lands on whole
// pixels. Keeps the GL state it changes. The first line after a resize releases the atlases
// that the sizes drawn so far no longer draw from at the window's new scale.
void drawGlyphText(TextFace face, float x, float y, float scale, const float* colour,
                   const char* text);

// The texture the atlas for `scale` holds now; 0 while none of its lines has been drawn.
unsigned glyphAtlasTextureFor(TextFace face, float scale);

// The pen's advance over `text` at `scale`, in window pixels.
float glyphTextWidth(TextFace face, float scale, const char* text);

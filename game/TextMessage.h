// One line of text at a fixed place of the 1024x768 layout in a fixed colour, and the constant
// colours that message lines point at. The game's rules post lines; render/TextMessage.cpp
// draws them inside the 2D overlay, scaled with the window.
#pragma once

#include <cstdint>

#include "platform/Screen.h"

// Colour triples (red, green, blue) for message lines; they live for the whole run.
extern const float textRed[3];
extern const float textGreen[3];
extern const float textCyan[3];
extern const float textYellow[3];

class TextMessage {
 public:
  const char* text;     // not owned: the caller's string must outlive every draw; null until set
  std::int32_t x;       // layout column of the baseline's start, from the left edge
  std::int32_t y;       // layout row of the baseline, from the top edge (y grows down)
  const float* colour;  // three floats, not owned; one of the constant triples
  // What the line keeps its place to when the window is not 1024x768: the middle for the
  // lines near it, a corner for the score and the frames-per-second lines.
  platform::Anchor anchor;

  // No line: no text, no place, no colour.
  TextMessage();
  // A line at (x, y) in colour, with no text yet.
  TextMessage(std::int32_t x, std::int32_t y, const float* colour,
              platform::Anchor anchor = platform::Anchor::Centre);

  // Stores the pointer (null clears the line); the text is not copied.
  void setText(const char* newText);
  // True while no text is set (an empty string counts as set).
  bool isEmpty() const;
  // Draws the text in the face and size that stand for a GLUT bitmap font (GLUT_BITMAP_...:
  // Times Roman a serif, the others a sans), scaled with the window. Call inside
  // beginOverlay(0, 0, window width, window height). A line without text draws nothing.
  // Defined with the drawing, in render/TextMessage.cpp.
  void draw(void* font) const;
};

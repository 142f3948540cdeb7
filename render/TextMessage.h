// One line of bitmap text at a fixed pixel position in a fixed colour, drawn inside the 2D
// overlay (render/Overlay.h), and the constant colours that message lines point at.
#pragma once

#include <cstdint>

// Colour triples (red, green, blue) for message lines; they live for the whole run.
extern const float textRed[3];
extern const float textGreen[3];
extern const float textCyan[3];
extern const float textYellow[3];

class TextMessage {
 public:
  const char* text;     // not owned: the caller's string must outlive every draw; null until set
  std::int32_t x;       // pixel column of the baseline's start, from the left edge
  std::int32_t y;       // pixel row of the baseline, from the top edge (overlay y grows down)
  const float* colour;  // three floats, not owned; one of the constant triples

  // A line at (x, y) in colour, with no text yet.
  TextMessage(std::int32_t x, std::int32_t y, const float* colour);

  // Stores the pointer (null clears the line); the text is not copied.
  void setText(const char* newText);
  // True while no text is set (an empty string counts as set).
  bool isEmpty() const;
  // Draws the text in a GLUT bitmap font (GLUT_BITMAP_...). Call inside beginOverlay.
  // A line without text draws nothing.
  void draw(void* font) const;
};

// Bitmap text lines.
#include "render/TextMessage.h"

#include <GL/freeglut.h>

const float textRed[3] = {1.0f, 0.0f, 0.0f};
const float textGreen[3] = {0.0f, 1.0f, 0.0f};
const float textCyan[3] = {0.0f, 1.0f, 1.0f};
const float textYellow[3] = {1.0f, 1.0f, 0.0f};

TextMessage::TextMessage(std::int32_t x, std::int32_t y, const float* colour)
    : text(nullptr), x(x), y(y), colour(colour) {}

void TextMessage::setText(const char* newText) {
  text = newText;
}

bool TextMessage::isEmpty() const {
  return text == nullptr;
}

void TextMessage::draw(void* font) const {
  if (text == nullptr) {
    return;
  }
  // The raster colour is latched by glRasterPos, so the colour goes first.
  glColor3fv(colour);
  glRasterPos2i(x, y);
  for (const char* c = text; *c != '\0'; ++c) {
    glutBitmapCharacter(font, static_cast<unsigned char>(*c));
  }
}

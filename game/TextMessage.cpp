// Text lines as the game posts them, and their colours.
#include "game/TextMessage.h"

const float textRed[3] = {1.0f, 0.0f, 0.0f};
const float textGreen[3] = {0.0f, 1.0f, 0.0f};
const float textCyan[3] = {0.0f, 1.0f, 1.0f};
const float textYellow[3] = {1.0f, 1.0f, 0.0f};

TextMessage::TextMessage()
    : text(nullptr), x(0), y(0), colour(nullptr), anchor(platform::Anchor::Centre) {}

TextMessage::TextMessage(std::int32_t x, std::int32_t y, const float* colour,
                         platform::Anchor anchor)
    : text(nullptr), x(x), y(y), colour(colour), anchor(anchor) {}

void TextMessage::setText(const char* newText) {
  text = newText;
}

bool TextMessage::isEmpty() const {
  return text == nullptr;
}

// The menu pages: the main menu with each of its four entries highlighted in turn, the
// controls page and the credits page. Each is laid out on a 1024 by 768 screen and stored
// stretched to a 1024 by 1024 texture, which the menu draws over the whole screen with its
// top row at the top.
#include <cmath>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "TextPainter.h"
#include "TextureMakers.h"

namespace assetgen {
namespace {

constexpr int kScreenW = 1024;
constexpr int kScreenH = 768;
constexpr int kTexture = 1024;

const Colour kGold = {0.96f, 0.78f, 0.36f};
const Colour kDim = {0.55f, 0.6f, 0.7f};

// Night sky, moon, and the floodlit front of a museum with columns under a pediment.
Canvas background() {
  Canvas c(kScreenW, kScreenH);
  c.verticalGradient(0.0f, kScreenH * 0.75f, rgb(4, 6, 18), rgb(28, 34, 62));
  Random r(4242);
  for (int i = 0; i < 500; ++i) {
    const float x = static_cast<float>(r.range(0, kScreenW));
    const float y = static_cast<float>(r.range(0, kScreenH * 0.6));
    c.fillEllipse(x, y, 0.9f, 0.9f, rgb(220, 225, 255), static_cast<float>(r.range(0.2, 0.9)), 0.8f);
  }
  c.shade([&](int x, int y, Colour& p) {
    const float dx = x - 945.0f, dy = y - 250.0f;
    const float d = std::sqrt(dx * dx + dy * dy);
    p = added(p, scaled(rgb(120, 130, 170), 0.5f * std::exp(-d / 90.0f)));
  });
  c.fillEllipse(945.0f, 250.0f, 34.0f, 34.0f, rgb(236, 232, 210), 1.0f, 1.5f);
  c.fillEllipse(960.0f, 240.0f, 10.0f, 8.0f, rgb(210, 206, 186), 0.5f, 2.0f);
  c.fillEllipse(935.0f, 265.0f, 7.0f, 6.0f, rgb(210, 206, 186), 0.5f, 2.0f);
  // The building, lit from below: brighter towards the ground.
  const float base = 720.0f;
  const float top = 560.0f;
  const Colour stone = rgb(70, 72, 92);
  c.fillPolygon({{150, top}, {512, top - 110}, {874, top}}, scaled(stone, 0.8f));
  c.fillPolygon({{200, top - 12}, {512, top - 98}, {824, top - 12}}, scaled(stone, 0.6f));
  c.fillRect(140, top, 884, top + 18, scaled(stone, 1.05f));
  for (int i = 0; i < 8; ++i) {
    const float x = 180.0f + i * 94.0f;
    c.shade([&](int px, int py, Colour& p) {
      if (px < x || px >= x + 36 || py < top + 18 || py >= base) return;
      const float u = (px - x) / 36.0f;
      const float rounding = 0.55f + 0.45f * std::sin(u * 3.14159f);
      const float lift = 0.6f + 0.6f * (py - top) / (base - top);
      p = scaled(stone, rounding * lift * 1.2f);
    });
    c.fillRect(x - 6, top + 18, x + 42, top + 26, scaled(stone, 1.1f));
  }
  c.fillRect(120, base, 904, base + 14, scaled(stone, 1.2f));
  c.fillRect(100, base + 14, 924, base + 26, scaled(stone, 1.0f));
  c.fillRect(0, base + 26, kScreenW, kScreenH, rgb(14, 14, 20));
  // Two spotlight beams sweeping the sky.
  for (int s = 0; s < 2; ++s) {
    const float ox = s == 0 ? 120.0f : 900.0f;
    const float tx = s == 0 ? 330.0f : 700.0f;
    c.fillPolygon({{ox - 6, 768}, {ox + 6, 768}, {tx + 60, 0}, {tx - 60, 0}}, rgb(140, 150, 190), 0.07f);
  }
  // Darken the middle behind the menu entries a little.
  c.shade([&](int x, int y, Colour& p) {
    const float dx = (x - 512.0f) / 420.0f, dy = (y - 470.0f) / 260.0f;
    const float d = dx * dx + dy * dy;
    if (d < 1.0f) p = scaled(p, 0.55f + 0.45f * d);
  });
  return c;
}

struct Fonts {
  std::unique_ptr<TextPainter> regular;
  std::unique_ptr<TextPainter> bold;
};

void title(Canvas& c, Fonts& f, const std::string& text, float y, float size) {
  f.bold->setSize(size);
  const float width = f.bold->measure(text);
  f.bold->drawGlowing(c, 512.0f - width * 0.5f, y, text, kGold, rgb(200, 120, 40), 10, 1.6f);
}

void footer(Canvas& c, Fonts& f, const std::string& text) {
  f.regular->setSize(20.0f);
  f.regular->drawCentred(c, 512.0f, 748.0f, text, kDim);
}

Canvas mainMenu(const Canvas& bg, Fonts& f, int selected) {
  Canvas c = bg;
  title(c, f, "VAULTRUN", 170.0f, 118.0f);
  f.regular->setSize(26.0f);
  f.regular->drawCentred(c, 512.0f, 225.0f, "One night. One museum. One bag.", rgb(190, 196, 220));
  const char* entries[] = {"Start", "Controls", "Credits", "Quit"};
  for (int i = 0; i < 4; ++i) {
    const float y = 330.0f + i * 78.0f;
    if (i == selected) {
      c.fillRect(362.0f, y - 44.0f, 662.0f, y + 16.0f, rgb(60, 44, 20), 0.55f);
      c.fillRect(362.0f, y - 44.0f, 662.0f, y - 42.0f, kGold, 0.8f);
      c.fillRect(362.0f, y + 14.0f, 662.0f, y + 16.0f, kGold, 0.8f);
      f.bold->setSize(48.0f);
      const float w = f.bold->measure(entries[i]);
      f.bold->drawGlowing(c, 512.0f - w * 0.5f, y, entries[i], rgb(255, 226, 140), rgb(230, 150, 40), 8, 1.4f);
      c.fillPolygon({{390.0f, y - 30.0f}, {406.0f, y - 14.0f}, {390.0f, y + 2.0f}}, kGold);
      c.fillPolygon({{634.0f, y - 30.0f}, {618.0f, y - 14.0f}, {634.0f, y + 2.0f}}, kGold);
    } else {
      f.bold->setSize(40.0f);
      f.bold->drawCentred(c, 512.0f, y - 4.0f, entries[i], kDim);
    }
  }
  footer(c, f, "W / S: choose     Enter: select     Esc: quit");
  return c;
}

void panel(Canvas& c, float x0, float y0, float x1, float y1) {
  c.fillRect(x0, y0, x1, y1, rgb(6, 8, 16), 0.78f);
  c.fillRect(x0, y0, x1, y0 + 2, kGold, 0.7f);
  c.fillRect(x0, y1 - 2, x1, y1, kGold, 0.7f);
}

Canvas controlsPage(const Canvas& bg, Fonts& f) {
  Canvas c = bg;
  title(c, f, "Controls", 92.0f, 64.0f);
  panel(c, 150.0f, 118.0f, 874.0f, 712.0f);
  const std::vector<std::pair<const char*, const char*>> rows = {
      {"W / S", "walk forward / back"},
      {"A / D", "step left / right"},
      {"E", "run / walk"},
      {"Mouse", "look around"},
      {"Left button", "shoot"},
      {"T", "take what is within reach"},
      {"G", "empty the bag at the drop zone"},
      {"Q", "leave the museum at the exit"},
      {"M", "music on / off"},
      {"F1", "this help"},
      {"F2", "frames per second"},
      {"F3", "wireframe"},
      {"F4", "texture filtering"},
      {"Esc", "menu / quit"},
      {"Enter", "select"},
  };
  float y = 160.0f;
  for (const auto& row : rows) {
    f.bold->setSize(25.0f);
    const float w = f.bold->measure(row.first);
    f.bold->draw(c, 430.0f - w, y, row.first, kGold);
    f.regular->setSize(25.0f);
    f.regular->draw(c, 466.0f, y, row.second, rgb(222, 226, 236));
    y += 37.0f;
  }
  footer(c, f, "Press Enter to return");
  return c;
}

Canvas creditsPage(const Canvas& bg, Fonts& f) {
  Canvas c = bg;
  title(c, f, "Credits", 92.0f, 64.0f);
  panel(c, 130.0f, 118.0f, 894.0f, 620.0f);
  struct Line {
    const char* text;
    bool heading;
  };
  const Line lines[] = {
      {"Vaultrun", true},
      {"A thief, a bag and a museum at night", false},
      {"", false},
      {"Design, programming, pictures and sound", true},
      {"the Vaultrun team", false},
      {"", false},
      {"Every painting, texture, model and sound", true},
      {"was made by the game's own generator", false},
      {"", false},
      {"Built with", true},
      {"freeglut, Mesa, SDL2_mixer, FreeType and LAME", false},
      {"Lettering in DejaVu Sans", false},
      {"", false},
      {"Thanks for playing. Keep out of the guards' sight!", false},
  };
  float y = 170.0f;
  for (const Line& line : lines) {
    if (line.text[0] != '\0') {
      TextPainter& font = line.heading ? *f.bold : *f.regular;
      font.setSize(line.heading ? 28.0f : 25.0f);
      font.drawCentred(c, 512.0f, y, line.text, line.heading ? kGold : rgb(222, 226, 236));
    }
    y += line.text[0] == '\0' ? 18.0f : 38.0f;
  }
  footer(c, f, "Press Enter to return");
  return c;
}

}  // namespace

bool writeMenuTextures(const std::string& dataDir) {
  Fonts f{TextPainter::open("DejaVuSans.ttf"), TextPainter::open("DejaVuSans-Bold.ttf")};
  if (!f.regular || !f.bold) return false;
  const Canvas bg = background();
  const char* names[] = {"menue_1start", "menue_1showC", "menue_1showCr", "menue_1quit"};
  for (int i = 0; i < 4; ++i) {
    const std::string name = std::string("data/textures/menue/") + names[i] + ".bmp";
    if (!writeTexture(dataDir, name, mainMenu(bg, f, i).resized(kTexture, kTexture))) return false;
  }
  return writeTexture(dataDir, "data/textures/menue/menue_1help.bmp",
                      controlsPage(bg, f).resized(kTexture, kTexture)) &&
         writeTexture(dataDir, "data/textures/menue/menue_1credits.bmp",
                      creditsPage(bg, f).resized(kTexture, kTexture));
}

}  // namespace assetgen

// The menu pages: the main menu with each of its four entries highlighted in turn, the
// controls page and the credits page. Each is laid out on a 1024 by 768 screen and stored
// stretched to a 1024 by 1024 texture, which the menu draws over the whole screen with its
// top row at the top (the screen squashes it back).
#include <cmath>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "TextPainter.h"
#include "game/MenuPage.h"
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

// A page drawn straight into its 1024 by 1024 texture in screen coordinates: screen rows
// stretch by kStretch, and glyphs are drawn taller to match.
class Page {
 public:
  static constexpr float kStretch = static_cast<float>(kTexture) / kScreenH;

  explicit Page(const Canvas& background) : canvas(background) {}

  void rect(float x0, float y0, float x1, float y1, Colour c, float alpha = 1.0f) {
    canvas.fillRect(x0, y0 * kStretch, x1, y1 * kStretch, c, alpha);
  }
  void polygon(std::vector<Point> points, Colour c) {
    for (Point& p : points) p.y *= kStretch;
    canvas.fillPolygon(points, c);
  }
  float measure(TextPainter& font, float size, const std::string& text) {
    font.setSize(size * kStretch, 1.0f / kStretch);
    return font.measure(text);
  }
  void text(TextPainter& font, float size, float x, float y, const std::string& line, Colour c) {
    font.setSize(size * kStretch, 1.0f / kStretch);
    font.draw(canvas, x, y * kStretch, line, c);
  }
  void centred(TextPainter& font, float size, float y, const std::string& line, Colour c) {
    text(font, size, 512.0f - measure(font, size, line) * 0.5f, y, line, c);
  }
  void glowing(TextPainter& font, float size, float y, const std::string& text, Colour c, Colour glow,
               int radius, float strength) {
    const float x = 512.0f - measure(font, size, text) * 0.5f;
    font.drawGlowing(canvas, x, y * kStretch, text, c, glow, radius, strength);
  }

  Canvas canvas;
};

void title(Page& page, Fonts& f, const std::string& text, float y, float size) {
  page.glowing(*f.bold, size, y, text, kGold, rgb(200, 120, 40), 10, 1.6f);
}

void footer(Page& page, Fonts& f, const std::string& text) {
  page.centred(*f.regular, 20.0f, 748.0f, text, kDim);
}

Canvas mainMenu(const Canvas& bg, Fonts& f, int selected) {
  Page page(bg);
  title(page, f, "VAULTRUN", 170.0f, 118.0f);
  page.centred(*f.regular, 26.0f, 225.0f, "One night. One museum. One bag.", rgb(190, 196, 220));
  const char* entries[menulayout::mainEntryCount] = {"Start", "Controls", "Credits", "Options",
                                                    "Quit"};
  // Where the game looks for the entry under the pointer.
  using namespace menulayout;
  for (int i = 0; i < mainEntryCount; ++i) {
    const float y = mainFirstBaseline + i * mainEntryStep;
    if (i == selected) {
      page.rect(mainEntryLeft, y - mainEntryAbove, mainEntryRight, y + mainEntryBelow,
                rgb(60, 44, 20), 0.55f);
      page.rect(mainEntryLeft, y - mainEntryAbove, mainEntryRight, y - mainEntryAbove + 2.0f,
                kGold, 0.8f);
      page.rect(mainEntryLeft, y + mainEntryBelow - 2.0f, mainEntryRight, y + mainEntryBelow,
                kGold, 0.8f);
      page.glowing(*f.bold, 48.0f, y, entries[i], rgb(255, 226, 140), rgb(230, 150, 40), 8, 1.4f);
      page.polygon({{340.0f, y - 30.0f}, {356.0f, y - 14.0f}, {340.0f, y + 2.0f}}, kGold);
      page.polygon({{684.0f, y - 30.0f}, {668.0f, y - 14.0f}, {684.0f, y + 2.0f}}, kGold);
    } else {
      page.centred(*f.bold, 40.0f, y - 4.0f, entries[i], kDim);
    }
  }
  footer(page, f, "W / S: choose     Enter: select     Esc: quit");
  return page.canvas;
}

void panel(Page& page, float x0, float y0, float x1, float y1) {
  page.rect(x0, y0, x1, y1, rgb(6, 8, 16), 0.78f);
  page.rect(x0, y0, x1, y0 + 2, kGold, 0.7f);
  page.rect(x0, y1 - 2, x1, y1, kGold, 0.7f);
}

Canvas controlsPage(const Canvas& bg, Fonts& f) {
  Page page(bg);
  title(page, f, "Controls", 92.0f, 64.0f);
  panel(page, 110.0f, 112.0f, 914.0f, 728.0f);
  // Each action with its key and, where it has one, the pad's button beside it.
  struct Row {
    const char* key;
    const char* pad;
    const char* action;
  };
  const Row rows[] = {
      {"W / S", "Left stick", "walk forward / back"},
      {"A / D", "Left stick", "step left / right"},
      {"E", "Left shoulder", "run / walk"},
      {"Mouse", "Right stick", "look around"},
      {"Left button", "Right trigger", "shoot"},
      {"T", "A", "take what is within reach"},
      {"G", "X", "empty the bag at the drop zone"},
      {"Q", "Y", "leave the museum at the exit"},
      {"M", "", "music on / off"},
      {"P", "Start", "pause / go on"},
      {"F1", "Back", "this help"},
      {"F2", "", "frames per second"},
      {"F3", "", "wireframe"},
      {"F4", "", "texture filtering"},
      {"Esc", "B", "menu / quit"},
      {"F11", "", "full screen / window"},
      {"Up / Down", "D-pad", "move in the menus"},
      {"Enter", "A", "select"},
  };
  const Colour padColour = rgb(140, 200, 240);
  constexpr float keyRight = 320.0f;
  constexpr float padLeft = 340.0f;
  constexpr float actionLeft = 520.0f;
  float y = 144.0f;
  page.text(*f.regular, 17.0f, keyRight - page.measure(*f.regular, 17.0f, "Keys"), y, "Keys", kDim);
  page.text(*f.regular, 17.0f, padLeft, y, "Game pad", kDim);
  y += 26.0f;
  for (const Row& row : rows) {
    page.text(*f.bold, 21.0f, keyRight - page.measure(*f.bold, 21.0f, row.key), y, row.key, kGold);
    if (row.pad[0] != '\0') page.text(*f.bold, 21.0f, padLeft, y, row.pad, padColour);
    page.text(*f.regular, 21.0f, actionLeft, y, row.action, rgb(222, 226, 236));
    y += 26.0f;
  }
  // The player's options: the options page, which saves them as lines above the mode line
  // of settings.ini.
  const char* const options[] = {
      "Options (main menu or pause menu), saved as lines of settings.ini, for example",
      "mouse-sensitivity = 1.5    invert-mouse = no    field-of-view = 60",
      "music-volume = 70    effects-volume = 100    pad-turn-speed = 180",
      "key-take = t    rules = stealth    difficulty = hard    text-size = 125    1024x768"};
  y += 6.0f;
  for (const char* line : options) {
    page.text(*f.regular, 16.0f, 512.0f - page.measure(*f.regular, 16.0f, line) / 2.0f, y, line,
              rgb(180, 186, 200));
    y += 19.0f;
  }
  footer(page, f, "Press Enter (pad: B) to return");
  return page.canvas;
}

Canvas creditsPage(const Canvas& bg, Fonts& f) {
  Page page(bg);
  title(page, f, "Credits", 92.0f, 64.0f);
  panel(page, 130.0f, 118.0f, 894.0f, 620.0f);
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
      page.centred(line.heading ? *f.bold : *f.regular, line.heading ? 28.0f : 25.0f, y, line.text,
                   line.heading ? kGold : rgb(222, 226, 236));
    }
    y += line.text[0] == '\0' ? 18.0f : 38.0f;
  }
  footer(page, f, "Press Enter to return");
  return page.canvas;
}

}  // namespace

bool writeMenuTextures(const std::string& dataDir) {
  Fonts f{TextPainter::open("DejaVuSans.ttf"), TextPainter::open("DejaVuSans-Bold.ttf")};
  if (!f.regular || !f.bold) return false;
  const Canvas bg = background().resized(kTexture, kTexture);
  const char* names[] = {"menue_1start", "menue_1showC", "menue_1showCr", "menue_1options",
                         "menue_1quit"};
  for (int i = 0; i < menulayout::mainEntryCount; ++i) {
    const std::string name = std::string("data/textures/menue/") + names[i] + ".bmp";
    if (!writeTexture(dataDir, name, mainMenu(bg, f, i))) return false;
  }
  return writeTexture(dataDir, "data/textures/menue/menue_1help.bmp",
                      controlsPage(bg, f)) &&
         writeTexture(dataDir, "data/textures/menue/menue_1credits.bmp",
                      creditsPage(bg, f));
}

}  // namespace assetgen

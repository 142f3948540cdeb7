// The real game on X screens of several sizes, and in a window that is resized and switched
// to full screen, read back from the screen: the menu page in the middle in its 4:3 shape
// with the dim backdrop beside it, the health bar 100 x 10 layout pixels at the window's
// scale in its corner, the verdict centred, at the scaled width of its line, in the window.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <memory>

#include "robustness/GameProcess.h"

#include <X11/Xutil.h>

using namespace robustness;

namespace {

struct Area {
  int x = 0, y = 0, w = 0, h = 0;
};
struct Box {
  int x0 = 1 << 20, y0 = 1 << 20, x1 = -1, y1 = -1;  // in the area, ends inclusive
};
using Pixel = std::function<bool(int r, int g, int b)>;
const Pixel green = [](int r, int g, int b) { return g > 200 && r < 60 && b < 60; };
const Pixel red = [](int r, int g, int b) { return r > 200 && g < 50 && b < 50; };
const Pixel none = [](int, int, int) { return false; };

// Where the area's pixels that `is` accepts lie, and the area's mean of r + g + b.
Box find(Display* display, Area a, const Pixel& is, double* mean = nullptr) {
  // Only what lies on the screen can be read; a window may hang over its edges.
  const int dx = std::max(0, -a.x), dy = std::max(0, -a.y);
  a = {a.x + dx, a.y + dy, std::min(a.x + a.w, DisplayWidth(display, 0)) - a.x - dx,
       std::min(a.y + a.h, DisplayHeight(display, 0)) - a.y - dy};
  XImage* image = XGetImage(display, DefaultRootWindow(display), a.x, a.y, a.w, a.h, AllPlanes, ZPixmap);
  Box box;
  double sum = 0;
  for (int y = 0; image && y < a.h; ++y) {
    for (int x = 0; x < a.w; ++x) {
      const unsigned long p = XGetPixel(image, x, y);
      sum += ((p >> 16) & 255) + ((p >> 8) & 255) + (p & 255);
      if (is((p >> 16) & 255, (p >> 8) & 255, p & 255)) {
        box = {std::min(box.x0, x + dx), std::min(box.y0, y + dy), std::max(box.x1, x + dx),
               std::max(box.y1, y + dy)};
      }
    }
  }
  if (image) XDestroyImage(image);
  if (mean) *mean = sum / std::max(1, a.w * a.h);
  return box;
}

// Polls (a loaded machine may take a while to draw) until `holds` or 60 s have passed.
bool eventually(const std::function<bool()>& holds) {
  for (int i = 0; i < 120; ++i, std::this_thread::sleep_for(std::chrono::milliseconds(500))) {
    if (holds()) return true;
  }
  return false;
}

struct GameOnScreen {
  PrivateXServer server;
  ScratchDataTree tree;
  std::unique_ptr<GameProcess> game;
  Display* display = nullptr;
  Window window = 0;

  GameOnScreen(const std::string& size, const std::string& settings, std::vector<std::string> args = {})
      : server(size + "x24") {
    tree.replace("data/settings.ini", settings);
    game.reset(new GameProcess(tree.folder(), {"DISPLAY=" + server.name()}, std::move(args)));
    display = XOpenDisplay(server.name().c_str());
    if (display != nullptr) window = game->findWindow(display, 60);
  }
  ~GameOnScreen() { if (display) XCloseDisplay(display); }
  void key(const char* name) { std::system(("DISPLAY=" + server.name() + " xdotool key " + name).c_str()); }

  // The window once it has this size. A full-screen one (the toolkit puts it a pixel off the
  // corner when no window manager runs) is measured against the screen, as the player sees it.
  Area area(int w, int h) {
    XWindowAttributes at = {};
    eventually([&] { XGetWindowAttributes(display, window, &at); return at.width == w && at.height == h; });
    EXPECT_EQ(at.width, w);
    const bool screen = w == DisplayWidth(display, 0) && h == DisplayHeight(display, 0);
    return screen ? Area{0, 0, w, h} : Area{at.x, at.y, at.width, at.height};
  }

  // The page's left (or top) edge: the page inside, the dim backdrop outside.
  void expectMenuPage(int w, int h) {
    const Area a = area(w, h);
    const float s = std::min(h / 768.0f, w / 1024.0f);
    const int left = static_cast<int>(w / 2.0f - 512 * s + 0.5f), top = static_cast<int>(h / 2.0f - 384 * s + 0.5f);
    const bool side = left >= 8;
    if (!side && top < 8) return;
    const Area outside = side ? Area{a.x + left - 6, a.y, 6, h} : Area{a.x, a.y + top - 6, w, 6};
    const Area inside = side ? Area{a.x + left, a.y, 6, h} : Area{a.x, a.y + top, w, 6};
    double out = 0, in = 0;
    EXPECT_TRUE(eventually([&] { find(display, outside, none, &out); find(display, inside, none, &in); return in > 1.6 * out + 1; }))
        << in << " beside " << out << " at the page edge " << left << ", " << top;
  }

  // The health bar in its corner; with `verdict`, the verdict centred at its scaled width.
  void expectPlay(int w, int h, bool verdict) {
    const Area a = area(w, h);
    const float s = std::min(h / 768.0f, w / 1024.0f);
    Box bar;
    // A window just resized shows the last frame of its old size for a moment.
    eventually([&] {
      bar = find(display, {a.x + w / 2, a.y + h / 2, w / 2, h / 2}, green);
      return std::abs(w / 2 + bar.x1 + 1 - (w - 17 * s)) <= 2.0f;
    });
    EXPECT_NEAR(bar.x1 + 1 - bar.x0, 100 * s, 2.0);
    EXPECT_NEAR(bar.y1 + 1 - bar.y0, 10 * s, 2.0);
    EXPECT_NEAR(w / 2 + bar.x1 + 1, w - 17 * s, 2.0);
    EXPECT_NEAR(h / 2 + bar.y1 + 1, h - 45 * s, 2.0);
    if (!verdict) return;
    const int top = static_cast<int>(h / 2.0f + s * (370 - 384));
    Box line;
    ASSERT_TRUE(eventually([&] { line = find(display, {a.x, a.y + top, w, static_cast<int>(40 * s)}, red); return line.x1 >= 0; }));
    EXPECT_NEAR((line.x0 + line.x1) / 2.0, w / 2.0, 30 * s);
    // The generated font's advances add up to 432 layout pixels for this line; within a
    // glyph's outline at either end, and never less than 8 pixels on a small screen.
    EXPECT_NEAR(line.x1 - line.x0, 432 * s, std::max(8 * s, 8.0f));
  }

};

TEST(ScreenSizes, EveryScreenModeLaysTheOverlaysOutForItsWindow) {
  const struct { const char* screen; const char* settings; int w, h; } cases[] = {
      {"800x600", "800x600:32@60", 800, 600}, {"1280x1024", "1280x1024:32@75", 1280, 1024},
      {"2560x1440", "2560x1440:32@60", 2560, 1440}, {"1920x1080", "1024x768:32@60", 1920, 1080}};
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.settings) + " on " + c.screen);
    GameOnScreen run(c.screen, c.settings);
    ASSERT_TRUE(run.display != nullptr && run.window != 0) << run.game->output();
    run.expectMenuPage(c.w, c.h);
    run.key("Return");
    run.expectPlay(c.w, c.h, false);
    run.key("q");
    run.expectPlay(c.w, c.h, true);
  }
}

TEST(ScreenSizes, AWindowFollowsEveryResizeAndF11) {
  GameOnScreen run("1920x1080", "1024x768:32@60", {"--window=1280x720"});
  ASSERT_TRUE(run.display != nullptr && run.window != 0) << run.game->output();
  run.expectMenuPage(1280, 720);
  run.key("Return");
  run.expectPlay(1280, 720, false);
  XResizeWindow(run.display, run.window, 1600, 900);
  XFlush(run.display);
  run.expectPlay(1600, 900, false);
  run.key("F11");
  run.area(1920, 1080);
  run.key("q");
  run.expectPlay(1920, 1080, true);
}

}  // namespace

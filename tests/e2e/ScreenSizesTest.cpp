// The real game on X screens of several sizes, and in a window that is resized and switched
// to full screen, read back from the screen: the menu page fills the window's height in its
// 4:3 shape with the backdrop beside it, the health bar measures 100 x 10 layout pixels at
// the window's scale in its corner, the verdict stands centred, and all of it in the window.
// VAULTRUN_SCREENSHOTS=DIR keeps a picture of each screen there.
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
  int x = 0, y = 0, w = 0, h = 0;  // the game window on the screen
};
struct Box {
  int x0 = 1 << 20, y0 = 1 << 20, x1 = -1, y1 = -1;  // inside the area, ends inclusive
  bool found() const { return x1 >= 0; }
};
using Pixel = std::function<bool(int r, int g, int b)>;

class Screen {
 public:
  explicit Screen(const std::string& name) : name_(name), display_(XOpenDisplay(name.c_str())) {}
  ~Screen() { if (display_) XCloseDisplay(display_); }
  Display* display() const { return display_; }

  // Where the pixels of the area that `is` accepts lie; false channels read as 0.
  Box find(Area a, const Pixel& is, double& meanLeft, double& meanRight, int strip = 0) {
    // Only what lies on the screen can be read; a window may hang over its edge.
    const int left = std::max(a.x, 0), top = std::max(a.y, 0);
    const int right = std::min(a.x + a.w, DisplayWidth(display_, 0));
    const int bottom = std::min(a.y + a.h, DisplayHeight(display_, 0));
    const int dx = left - a.x, dy = top - a.y;
    a = {left, top, right - left, bottom - top};
    XImage* image = XGetImage(display_, DefaultRootWindow(display_), a.x, a.y, a.w, a.h, AllPlanes, ZPixmap);
    Box box;
    double sums[2] = {0, 0};
    for (int y = 0; image && y < a.h; ++y) {
      for (int x = 0; x < a.w; ++x) {
        const unsigned long p = XGetPixel(image, x, y);
        const int r = (p >> 16) & 255, g = (p >> 8) & 255, b = p & 255;
        if (x < strip) sums[0] += r + g + b;
        if (x >= strip && x < 2 * strip) sums[1] += r + g + b;
        if (!is(r, g, b)) continue;
        box = {std::min(box.x0, x + dx), std::min(box.y0, y + dy), std::max(box.x1, x + dx),
               std::max(box.y1, y + dy)};
      }
    }
    if (image) XDestroyImage(image);
    meanLeft = strip ? sums[0] / (strip * a.h) : 0;
    meanRight = strip ? sums[1] / (strip * a.h) : 0;
    return box;
  }
  Box find(const Area& a, const Pixel& is) {
    double l, r;
    return find(a, is, l, r);
  }
  // Polls until `is` shows in the area (or 60 s pass).
  Box waitFor(const Area& a, const Pixel& is) {
    for (int i = 0; i < 300; ++i) {
      const Box box = find(a, is);
      if (box.found()) return box;
      std::this_thread::sleep_for(std::chrono::milliseconds(200));
    }
    return Box();
  }
  void key(const char* name) {
    std::system(("DISPLAY=" + name_ + " xdotool key " + name).c_str());
  }
  void shoot(const std::string& what) {
    const char* dir = std::getenv("VAULTRUN_SCREENSHOTS");
    if (dir == nullptr) return;
    std::system(("xwd -display " + name_ + " -root -silent | convert xwd:- " + dir + "/" + what +
                 ".png").c_str());
  }

 private:
  std::string name_;
  Display* display_;
};

const Pixel green = [](int r, int g, int b) { return g > 200 && r < 60 && b < 60; };
const Pixel red = [](int r, int g, int b) { return r > 200 && g < 50 && b < 50; };

// The window's place on the screen, once it has the size it is to have.
Area windowArea(Display* display, Window window, int w, int h) {
  Area area;
  for (int i = 0; i < 100 && (area.w != w || area.h != h); ++i) {
    // No window manager: the window's parent is the root.
    XWindowAttributes attributes;
    XGetWindowAttributes(display, window, &attributes);
    area.x = attributes.x;
    area.y = attributes.y;
    area.w = attributes.width;
    area.h = attributes.height;
    if (area.w != w || area.h != h) std::this_thread::sleep_for(std::chrono::milliseconds(100));
  }
  // A full-screen window without a window manager lands a pixel off the corner, where the
  // toolkit puts it: measure it against the screen, as the player sees it.
  if (w == DisplayWidth(display, 0) && h == DisplayHeight(display, 0)) area.x = area.y = 0;
  return area;
}

float scaleOf(const Area& a) { return std::min(a.h / 768.0f, a.w / 1024.0f); }

// The 4:3 page in the middle: brighter inside an edge that lies within the window than beside
// it, where the backdrop is.
void expectMenuPage(Screen& screen, Display* display, Window window, int w, int h) {
  const Area a = windowArea(display, window, w, h);
  const float s = scaleOf(a);
  const int pageLeft = static_cast<int>(a.w / 2.0f - 512 * s + 0.5f);
  if (pageLeft < 8) return;
  double outside = 0, inside = 0;
  // The first menu frame may take a while on a loaded machine.
  for (int i = 0; i < 120 && !(inside > 1.6 * outside + 1.0); ++i) {
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    screen.find({a.x + pageLeft - 6, a.y, 12, a.h}, [](int, int, int) { return false; }, outside,
                inside, 6);
  }
  EXPECT_GT(inside, 1.6 * outside + 1.0) << "page edge at x " << pageLeft;
}

// The health bar in its corner, and (when `verdict`) the verdict centred.
void expectPlay(Screen& screen, Display* display, Window window, int w, int h, bool verdict) {
  const Area a = windowArea(display, window, w, h);
  const float s = scaleOf(a);
  const Box bar = screen.waitFor({a.x + a.w / 2, a.y + a.h / 2, a.w - a.w / 2, a.h - a.h / 2}, green);
  ASSERT_TRUE(bar.found()) << a.x << "," << a.y << " " << a.w << "x" << a.h;
  EXPECT_NEAR(bar.x1 + 1 - bar.x0, 100 * s, 2.0);
  EXPECT_NEAR(bar.y1 + 1 - bar.y0, 10 * s, 2.0);
  EXPECT_NEAR(a.w / 2 + bar.x1 + 1, a.w - 17 * s, 2.0) << "window at " << a.x << "," << a.y;
  EXPECT_NEAR(a.h / 2 + bar.y1 + 1, a.h - 45 * s, 2.0);
  if (!verdict) return;
  const int top = static_cast<int>(a.h / 2.0f + s * (370 - 384));
  const Box line = screen.waitFor({a.x, a.y + top, a.w, static_cast<int>(40 * s)}, red);
  ASSERT_TRUE(line.found());
  EXPECT_NEAR((line.x0 + line.x1) / 2.0, a.w / 2.0, 30 * s);
  EXPECT_GT(line.x0, 0);
  EXPECT_LT(line.x1, a.w - 1);
}

struct GameOnScreen {
  PrivateXServer server;
  ScratchDataTree tree;
  std::unique_ptr<GameProcess> game;
  std::unique_ptr<Screen> screen;
  Window window = 0;

  GameOnScreen(const std::string& size, const std::string& settings, std::vector<std::string> args = {})
      : server(size + "x24") {
    tree.replace("data/settings.ini", settings);
    game.reset(new GameProcess(tree.folder(), {"DISPLAY=" + server.name()}, std::move(args)));
    screen.reset(new Screen(server.name()));
    if (screen->display() != nullptr) window = game->findWindow(screen->display(), 60);
  }
  bool ok() const { return !server.name().empty() && screen->display() != nullptr && window != 0; }
};

TEST(ScreenSizes, EveryScreenModeLaysTheOverlaysOutForItsWindow) {
  const struct { const char* screen; const char* settings; int w, h; } cases[] = {
      {"800x600", "800x600:32@60", 800, 600},       {"1280x1024", "1280x1024:32@75", 1280, 1024},
      {"1920x1080", "1920x1080:32@60", 1920, 1080}, {"2560x1440", "2560x1440:32@60", 2560, 1440},
      {"1920x1080", "1024x768:32@60", 1920, 1080}};
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.settings) + " on " + c.screen);
    GameOnScreen run(c.screen, c.settings);
    ASSERT_TRUE(run.ok()) << run.game->output();
    ASSERT_EQ(windowArea(run.screen->display(), run.window, c.w, c.h).w, c.w);
    expectMenuPage(*run.screen, run.screen->display(), run.window, c.w, c.h);
    run.screen->shoot(std::string(c.screen) + "-menu");
    run.screen->key("Return");
    expectPlay(*run.screen, run.screen->display(), run.window, c.w, c.h, false);
    run.screen->shoot(std::string(c.screen) + "-play");
    run.screen->key("q");
    expectPlay(*run.screen, run.screen->display(), run.window, c.w, c.h, true);
    run.screen->shoot(std::string(c.screen) + "-verdict");
  }
}

TEST(ScreenSizes, AWindowFollowsEveryResizeAndF11) {
  GameOnScreen run("1920x1080", "1024x768:32@60", {"--window=1280x720"});
  ASSERT_TRUE(run.ok()) << run.game->output();
  Display* display = run.screen->display();
  ASSERT_EQ(windowArea(display, run.window, 1280, 720).w, 1280);
  expectMenuPage(*run.screen, display, run.window, 1280, 720);
  run.screen->key("Return");
  expectPlay(*run.screen, display, run.window, 1280, 720, false);
  XResizeWindow(display, run.window, 1600, 900);
  XFlush(display);
  ASSERT_EQ(windowArea(display, run.window, 1600, 900).w, 1600);
  std::this_thread::sleep_for(std::chrono::seconds(1));
  expectPlay(*run.screen, display, run.window, 1600, 900, false);
  run.screen->shoot("window-1600x900");
  run.screen->key("F11");
  ASSERT_EQ(windowArea(display, run.window, 1920, 1080).w, 1920);
  std::this_thread::sleep_for(std::chrono::seconds(1));
  run.screen->key("q");
  expectPlay(*run.screen, display, run.window, 1920, 1080, true);
  run.screen->shoot("window-f11-verdict");
}

}  // namespace

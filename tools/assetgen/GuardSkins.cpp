// Paints the guard's skins: a dark blue police uniform (jacket with badge, pockets and POLICE on
// the back, belt, trousers with a side stripe, boots, peaked cap, face and hands) and the pistol.
#include "GuardSkins.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

namespace assetgen {

namespace {

struct Rgb {
  int r, g, b;
};

Rgb mix(Rgb a, Rgb b, double t) {
  return {static_cast<int>(std::lround(a.r + (b.r - a.r) * t)),
          static_cast<int>(std::lround(a.g + (b.g - a.g) * t)),
          static_cast<int>(std::lround(a.b + (b.b - a.b) * t))};
}

Rgb shade(Rgb c, int d) { return {c.r + d, c.g + d, c.b + d}; }

class Painter {
 public:
  Painter(Image& image, std::uint64_t seed) : image_(image), random_(seed) {}

  void put(int x, int y, Rgb c) {
    image_.set(x, y, clampByte(c.r), clampByte(c.g), clampByte(c.b));
  }

  // Fills the rectangle and its gutter of `bleed` pixels with cloth-like grain.
  void cloth(SkinRect r, Rgb c, int grain, int bleed = 2) {
    for (int y = r.y - bleed; y < r.y + r.h + bleed; ++y) {
      for (int x = r.x - bleed; x < r.x + r.w + bleed; ++x) {
        const int weave = ((x + y) % 2 == 0) ? 1 : -1;
        const int noise = static_cast<int>(std::lround(random_.range(-grain, grain)));
        put(x, y, shade(c, noise + weave));
      }
    }
  }

  // Coordinates relative to the rectangle's top-left corner.
  void box(SkinRect r, int x0, int y0, int x1, int y1, Rgb c) {
    for (int y = y0; y < y1; ++y)
      for (int x = x0; x < x1; ++x) put(r.x + x, r.y + y, c);
  }

  void hline(SkinRect r, int x0, int x1, int y, Rgb c) { box(r, x0, y, x1, y + 1, c); }
  void vline(SkinRect r, int x, int y0, int y1, Rgb c) { box(r, x, y0, x + 1, y1, c); }

  void disc(SkinRect r, double cx, double cy, double radius, Rgb c) {
    for (int y = static_cast<int>(cy - radius) - 1; y <= static_cast<int>(cy + radius) + 1; ++y)
      for (int x = static_cast<int>(cx - radius) - 1; x <= static_cast<int>(cx + radius) + 1; ++x)
        if (std::hypot(x + 0.5 - cx, y + 0.5 - cy) <= radius) put(r.x + x, r.y + y, c);
  }

  // A filled polygon (even-odd rule) in rectangle coordinates.
  void polygon(SkinRect r, const std::vector<std::pair<double, double>>& points, Rgb c) {
    double minY = 1e9, maxY = -1e9, minX = 1e9, maxX = -1e9;
    for (const auto& p : points) {
      minX = std::min(minX, p.first), maxX = std::max(maxX, p.first);
      minY = std::min(minY, p.second), maxY = std::max(maxY, p.second);
    }
    for (int y = static_cast<int>(minY); y <= static_cast<int>(maxY); ++y) {
      for (int x = static_cast<int>(minX); x <= static_cast<int>(maxX); ++x) {
        const double px = x + 0.5, py = y + 0.5;
        bool inside = false;
        for (std::size_t i = 0, j = points.size() - 1; i < points.size(); j = i++) {
          const auto& a = points[i];
          const auto& b = points[j];
          if ((a.second > py) != (b.second > py) &&
              px < (b.first - a.first) * (py - a.second) / (b.second - a.second) + a.first)
            inside = !inside;
        }
        if (inside) put(r.x + x, r.y + y, c);
      }
    }
  }

  // Capital letters of a 5 x 7 dot font, `scale` pixels per dot.
  void text(SkinRect r, int x, int y, const char* word, int scale, Rgb c) {
    for (; *word; ++word, x += 6 * scale) {
      const std::uint8_t* rows = glyph(*word);
      for (int gy = 0; gy < 7; ++gy)
        for (int gx = 0; gx < 5; ++gx)
          if (rows[gy] & (0x10 >> gx)) box(r, x + gx * scale, y + gy * scale,
                                           x + (gx + 1) * scale, y + (gy + 1) * scale, c);
    }
  }

  double random(double lo, double hi) { return random_.range(lo, hi); }

 private:
  static std::uint8_t clampByte(int v) { return static_cast<std::uint8_t>(std::clamp(v, 0, 255)); }

  static const std::uint8_t* glyph(char ch) {
    static const std::uint8_t kP[7] = {0x1E, 0x11, 0x11, 0x1E, 0x10, 0x10, 0x10};
    static const std::uint8_t kO[7] = {0x0E, 0x11, 0x11, 0x11, 0x11, 0x11, 0x0E};
    static const std::uint8_t kL[7] = {0x10, 0x10, 0x10, 0x10, 0x10, 0x10, 0x1F};
    static const std::uint8_t kI[7] = {0x0E, 0x04, 0x04, 0x04, 0x04, 0x04, 0x0E};
    static const std::uint8_t kC[7] = {0x0E, 0x11, 0x10, 0x10, 0x10, 0x11, 0x0E};
    static const std::uint8_t kE[7] = {0x1F, 0x10, 0x10, 0x1E, 0x10, 0x10, 0x1F};
    static const std::uint8_t kBlank[7] = {0, 0, 0, 0, 0, 0, 0};
    switch (ch) {
      case 'P': return kP;
      case 'O': return kO;
      case 'L': return kL;
      case 'I': return kI;
      case 'C': return kC;
      case 'E': return kE;
      default: return kBlank;
    }
  }

  Image& image_;
  Random random_;
};

const Rgb kNavy{30, 40, 76};
const Rgb kNavyDark{22, 30, 58};
const Rgb kTrouserBlue{26, 34, 64};
const Rgb kShirt{150, 172, 206};
const Rgb kTie{18, 20, 34};
const Rgb kGold{222, 184, 64};
const Rgb kGoldDark{150, 112, 30};
const Rgb kSilver{190, 192, 200};
const Rgb kBlack{20, 20, 24};
const Rgb kLeather{30, 29, 32};
const Rgb kSoleGrey{50, 46, 44};
const Rgb kSkinTone{226, 178, 142};
const Rgb kSkinShadow{190, 140, 108};
const Rgb kHair{56, 38, 26};
const Rgb kStripe{120, 150, 200};

// Five-pointed star inside a ring: the badge.
void badge(Painter& p, SkinRect r, double cx, double cy, double size) {
  p.disc(r, cx, cy, size, kGoldDark);
  p.disc(r, cx, cy, size - 1.0, kGold);
  std::vector<std::pair<double, double>> star;
  for (int i = 0; i < 10; ++i) {
    const double a = -3.14159265358979323846 / 2.0 + i * 3.14159265358979323846 / 5.0;
    const double radius = (i % 2 == 0) ? size - 1.5 : (size - 1.5) * 0.45;
    star.push_back({cx + radius * std::cos(a), cy + radius * std::sin(a)});
  }
  p.polygon(r, star, kGoldDark);
}

void paintTorsoFront(Painter& p) {
  const SkinRect r = uniformSkin::kTorsoFront;
  p.cloth(r, kNavy, 4);
  // Open collar over a light shirt and a dark tie.
  p.polygon(r, {{18, 0}, {42, 0}, {30, 16}}, kShirt);
  p.polygon(r, {{27.5, 3}, {32.5, 3}, {33.5, 15}, {30, 18}, {26.5, 15}}, kTie);
  p.polygon(r, {{14, 0}, {18, 0}, {30, 18}, {28, 20}}, kNavyDark);
  p.polygon(r, {{42, 0}, {46, 0}, {32, 20}, {30, 18}}, kNavyDark);
  // Button line.
  for (int i = 0; i < 4; ++i) p.disc(r, 30, 24 + i * 9, 1.3, kSilver);
  p.vline(r, 32, 18, 60, kNavyDark);
  // Breast pockets with flaps; the badge above the wearer's left pocket (right of the image).
  for (const int x0 : {8, 38}) {
    p.box(r, x0, 22, x0 + 14, 34, shade(kNavy, 6));
    p.box(r, x0, 22, x0 + 14, 25, kNavyDark);
    p.disc(r, x0 + 7, 24, 0.9, kSilver);
  }
  badge(p, r, 45, 13, 5.0);
  // Name tag over the other pocket.
  p.box(r, 9, 17, 21, 20, kSilver);
  p.hline(r, 10, 20, 18, kBlack);
}

void paintTorsoBack(Painter& p) {
  const SkinRect r = uniformSkin::kTorsoBack;
  p.cloth(r, kNavy, 4);
  p.hline(r, 4, 56, 4, kNavyDark);
  p.text(r, 12, 12, "POLICE", 1, shade(kSilver, 30));
  p.vline(r, 30, 26, 60, kNavyDark);
}

void paintCloth(Painter& p) {
  namespace us = uniformSkin;
  p.cloth(us::kTorsoSide, kNavy, 4);
  p.vline(us::kTorsoSide, 14, 0, 60, kNavyDark);
  p.cloth(us::kShoulders, kNavy, 4);
  // Epaulettes running across the shoulders.
  p.box(us::kShoulders, 0, 6, 28, 10, kNavyDark);
  p.box(us::kShoulders, 0, 18, 28, 22, kNavyDark);
  p.cloth(us::kTorsoBottom, kNavyDark, 3);
  p.cloth(us::kSleeve, kNavy, 4);
  p.cloth(us::kSleeveOuter, kNavy, 4);
  // Shoulder patch: a shield with a gold rim.
  const SkinRect so = us::kSleeveOuter;
  p.polygon(so, {{6, 6}, {22, 6}, {22, 16}, {14, 24}, {6, 16}}, kGoldDark);
  p.polygon(so, {{8, 8}, {20, 8}, {20, 15}, {14, 21}, {8, 15}}, kStripe);
  badge(p, so, 14, 13, 3.5);
  p.cloth(us::kCuff, kNavyDark, 3);
  p.hline(us::kCuff, 0, 28, 6, kSilver);
  p.cloth(us::kTrousers, kTrouserBlue, 3);
  p.cloth(us::kTrousersFront, kTrouserBlue, 3);
  p.vline(us::kTrousersFront, 30, 0, 44, kNavyDark);
  p.polygon(us::kTrousersFront, {{4, 2}, {14, 2}, {6, 16}}, kNavyDark);
  p.polygon(us::kTrousersFront, {{46, 2}, {56, 2}, {54, 16}}, kNavyDark);
  p.cloth(us::kTrouserSide, kTrouserBlue, 3);
  p.box(us::kTrouserSide, 12, -2, 16, 62, kStripe);
}

void paintLeather(Painter& p) {
  namespace us = uniformSkin;
  p.cloth(us::kBelt, kBlack, 2);
  p.hline(us::kBelt, 0, 60, 2, shade(kBlack, 18));
  p.hline(us::kBelt, 0, 60, 9, shade(kBlack, 18));
  p.cloth(us::kBeltFront, kBlack, 2);
  p.box(us::kBeltFront, 24, 1, 36, 11, kSilver);
  p.box(us::kBeltFront, 26, 3, 34, 9, kBlack);
  p.cloth(us::kBoot, kLeather, 3);
  p.hline(us::kBoot, 0, 28, 24, kSoleGrey);
  p.cloth(us::kBootToe, kLeather, 3);
  p.box(us::kBootToe, 4, 6, 24, 10, shade(kLeather, 22));
  p.hline(us::kBootToe, 0, 28, 24, kSoleGrey);
  p.cloth(us::kSole, kSoleGrey, 4);
  p.cloth(us::kHolster, kBlack, 3);
  p.box(us::kHolster, 2, 2, 26, 10, shade(kBlack, 14));
  p.disc(us::kHolster, 14, 8, 1.8, kSilver);
}

void paintFace(Painter& p) {
  const SkinRect r = uniformSkin::kFace;
  p.cloth(r, kSkinTone, 3);
  p.box(r, 0, 0, 60, 8, kHair);
  // Brows, eyes, cheeks and a firm mouth; the chin shaded.
  p.box(r, 12, 16, 25, 19, kHair);
  p.box(r, 35, 16, 48, 19, kHair);
  for (const int cx : {18, 42}) {
    p.box(r, cx - 5, 21, cx + 6, 25, {245, 245, 240});
    p.box(r, cx - 2, 21, cx + 3, 25, {60, 80, 110});
    p.box(r, cx - 1, 22, cx + 2, 24, {15, 15, 20});
  }
  p.box(r, 27, 26, 33, 40, kSkinShadow);
  p.box(r, 20, 46, 40, 48, {150, 80, 70});
  p.box(r, 22, 48, 38, 49, kSkinShadow);
  p.box(r, 0, 55, 60, 60, kSkinShadow);
  p.box(r, 0, 8, 3, 55, kSkinShadow);
  p.box(r, 57, 8, 60, 55, kSkinShadow);
}

void paintHead(Painter& p) {
  namespace us = uniformSkin;
  // Right side seen from outside: the back of the head to the left.
  const SkinRect side = us::kHeadSide;
  p.cloth(side, kSkinTone, 3);
  p.polygon(side, {{-2, -2}, {62, -2}, {62, 12}, {30, 14}, {24, 30}, {-2, 40}}, kHair);
  p.box(side, 22, 20, 32, 38, kSkinShadow);
  p.box(side, 24, 23, 30, 35, shade(kSkinTone, 8));
  p.box(side, 34, 12, 37, 22, kHair);
  const SkinRect back = us::kHeadBack;
  p.cloth(back, kHair, 5);
  p.box(back, 0, 44, 60, 62, kSkinShadow);
  p.cloth(us::kSkin, kSkinTone, 3);
}

void paintCap(Painter& p) {
  namespace us = uniformSkin;
  const SkinRect band = us::kCapBand;
  p.cloth(band, kNavy, 4);
  p.box(band, -2, 17, 126, 30, kBlack);
  p.hline(band, 0, 124, 17, kSilver);
  p.hline(band, 0, 124, 1, kNavyDark);
  badge(p, band, 62, 15, 7.0);
  p.cloth(us::kCapTop, kNavy, 4);
  p.disc(us::kCapTop, 30, 30, 24, shade(kNavy, 8));
  p.cloth(us::kVisor, {12, 12, 16}, 2);
  p.box(us::kVisor, 6, 4, 54, 7, {70, 70, 80});
}

Rgb gunmetal(Painter& p) {
  const int v = static_cast<int>(std::lround(p.random(-3, 3)));
  return {52 + v, 55 + v, 60 + v};
}

}  // namespace

Image paintUniformSkin() {
  Image image(uniformSkin::kSize, uniformSkin::kSize);
  Painter p(image, 0x5EC0417Eull);
  paintTorsoFront(p);
  paintTorsoBack(p);
  paintCloth(p);
  paintLeather(p);
  paintFace(p);
  paintHead(p);
  paintCap(p);
  return image;
}

Image paintPistolSkin() {
  namespace ps = pistolSkin;
  Image image(ps::kSize, ps::kSize);
  Painter p(image, 0x9157017ull);
  for (const SkinRect& r : {ps::kSlideSide, ps::kSlideTop, ps::kMetal}) {
    for (int y = -2; y < r.h + 2; ++y)
      for (int x = -2; x < r.w + 2; ++x) p.put(r.x + x, r.y + y, gunmetal(p));
  }
  // Slide side: rear serrations at the top, the ejection port, a lighter edge.
  const SkinRect side = ps::kSlideSide;
  for (int y = 6; y < 26; y += 4) p.hline(side, 2, 22, y, {28, 30, 34});
  p.box(side, 14, 44, 22, 62, {24, 24, 28});
  p.vline(side, 21, 0, 120, {96, 100, 108});
  p.vline(ps::kSlideTop, 8, 0, 120, {90, 94, 100});
  p.box(ps::kSlideTop, 6, 2, 10, 6, {200, 200, 200});
  p.box(ps::kSlideTop, 6, 112, 10, 116, {200, 200, 200});
  // Grip: checkered black polymer.
  const SkinRect grip = ps::kGrip;
  p.cloth(grip, {26, 26, 28}, 2);
  for (int y = 0; y < grip.h; ++y)
    for (int x = 0; x < grip.w; ++x)
      if ((x + y) % 4 == 0 || (x - y + 400) % 4 == 0) p.put(grip.x + x, grip.y + y, {40, 40, 44});
  // Muzzle: the bore in the slide's face.
  p.cloth(ps::kMuzzle, {44, 46, 50}, 2);
  p.disc(ps::kMuzzle, 12, 12, 5, {6, 6, 8});
  // Flash: white-hot at the bottom-left corner, through yellow to orange.
  const SkinRect f = ps::kFlash;
  for (int y = -2; y < f.h + 2; ++y) {
    for (int x = -2; x < f.w + 2; ++x) {
      const double d = std::hypot(static_cast<double>(x) / f.w, static_cast<double>(f.h - y) / f.h);
      const double t = std::clamp(d / 1.2, 0.0, 1.0);
      const Rgb c = t < 0.4 ? mix({255, 255, 235}, {255, 230, 90}, t / 0.4)
                            : mix({255, 230, 90}, {245, 120, 20}, (t - 0.4) / 0.6);
      p.put(f.x + x, f.y + y, c);
    }
  }
  return image;
}

}  // namespace assetgen

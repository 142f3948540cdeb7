// Glyph atlas text: the atlases' upload and the drawing of a line.
#include "render/GlyphText.h"

#include <GL/gl.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <vector>

#include "assets/BmpDecoder.h"
#include "assets/FileBytes.h"
#include "assets/GlyphTable.h"
#include "platform/Screen.h"

namespace {

struct Atlas {
  GlyphTable table;
  std::string stem;    // data/textures/text/<face>_<percent>, without .txt or .bmp
  GLuint texture = 0;  // 0 until a line is first drawn from this atlas
  float scale = 1.0f;  // the window scale it was drawn for
};

// Checked and their tables read once, at start-up; per face, from the smallest atlas to the
// largest. A window uses one or two of the eight, so an atlas's picture is uploaded the first
// time a line is drawn from it, and released after a resize that no longer draws from it.
std::vector<Atlas> atlases[2];

// Every size a line has been drawn at, as a share of the layout scale: after a resize they
// tell which atlases the new window draws from.
struct DrawnSize {
  TextFace face;
  float share;
};
std::vector<DrawnSize> drawnSizes;
unsigned sizesGeneration = 0;  // the window size the uploaded atlases were chosen for

const char* const faceNames[2] = {"serif", "sans"};
const int scalePercents[] = {100, 150, 200, 300};

// Coverage (red) and outline (green) into luminance and alpha: the outline is the alpha,
// and the glyph's share of it the luminance, so that one blend puts the coloured glyph over
// its black outline over whatever is behind.
std::vector<unsigned char> luminanceAlpha(const RgbImage& image) {
  std::vector<unsigned char> out(static_cast<std::size_t>(image.width) * image.height * 2);
  for (int row = 0; row < image.height; ++row) {
    // The decoder gives the bottom row first; the table counts rows from the top.
    const unsigned char* in = image.pixels.data() + static_cast<std::size_t>(image.height - 1 - row) * image.width * 3;
    unsigned char* o = out.data() + static_cast<std::size_t>(row) * image.width * 2;
    for (int x = 0; x < image.width; ++x) {
      const int fill = in[x * 3], outline = std::max<int>(in[x * 3 + 1], fill);
      o[x * 2] = static_cast<unsigned char>(outline == 0 ? 0 : (fill * 255 + outline / 2) / outline);
      o[x * 2 + 1] = static_cast<unsigned char>(outline);
    }
  }
  return out;
}

// Made in the middle of a frame: the binding and the unpacking are left as they were.
GLuint uploadAtlas(const RgbImage& image) {
  const std::vector<unsigned char> pixels = luminanceAlpha(image);
  GLint bound = 0;
  glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
  GLuint name = 0;
  glGenTextures(1, &name);
  glBindTexture(GL_TEXTURE_2D, name);
  glPushClientAttrib(GL_CLIENT_PIXEL_STORE_BIT);
  glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
  glTexImage2D(GL_TEXTURE_2D, 0, GL_LUMINANCE_ALPHA, image.width, image.height, 0,
               GL_LUMINANCE_ALPHA, GL_UNSIGNED_BYTE, pixels.data());
  glPopClientAttrib();
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
  glBindTexture(GL_TEXTURE_2D, static_cast<GLuint>(bound));
  return name;
}

// The picture, when it decodes and has the size its table gives.
std::unique_ptr<RgbImage> loadAtlasImage(const std::string& stem, const GlyphTable& table) {
  std::unique_ptr<RgbImage> image = loadBmpImage(stem + ".bmp");
  if (!image || image->width != table.atlasWidth || image->height != table.atlasHeight) {
    return nullptr;
  }
  return image;
}

bool loadAtlas(const std::string& stem, Atlas& atlas, std::string& error) {
  std::vector<std::uint8_t> bytes;
  std::string problem;
  std::string why;
  if (!readWholeFile(stem + ".txt", bytes, &why)) {
    error = "cannot read " + stem + ".txt" + fileProblemNote(why);
    return false;
  }
  if (!parseGlyphTable(std::string(bytes.begin(), bytes.end()), atlas.table, problem)) {
    error = stem + ".txt: " + problem;
    return false;
  }
  if (!loadAtlasImage(stem, atlas.table)) {
    error = stem + ".bmp: missing, unreadable or not the size its table gives";
    return false;
  }
  atlas.stem = stem;
  atlas.scale = atlas.table.scalePercent / 100.0f;
  return true;
}

// The atlas's texture, uploaded now if it is not yet; 0 when its picture has gone bad since
// start-up, and then the line is not drawn.
GLuint atlasTexture(Atlas& atlas) {
  if (atlas.texture == 0) {
    const std::unique_ptr<RgbImage> image = loadAtlasImage(atlas.stem, atlas.table);
    if (image) atlas.texture = uploadAtlas(*image);
  }
  return atlas.texture;
}

void unloadAll() {
  for (std::vector<Atlas>& face : atlases) {
    for (const Atlas& atlas : face) {
      if (atlas.texture != 0) glDeleteTextures(1, &atlas.texture);
    }
    face.clear();
  }
}

// The smallest atlas at least as large as the glyphs will be drawn (a little below counts:
// shrinking by a few percent stays sharp), else the largest.
Atlas* atlasFor(TextFace face, float scale) {
  std::vector<Atlas>& set = atlases[face == TextFace::Serif ? 0 : 1];
  if (set.empty()) return nullptr;
  for (Atlas& atlas : set) {
    if (atlas.scale >= scale * 0.97f) return &atlas;
  }
  return &set.back();
}

void noteDrawnSize(TextFace face, float scale) {
  const float share = scale / platform::layoutScale();
  for (const DrawnSize& drawn : drawnSizes) {
    if (drawn.face == face && std::fabs(drawn.share - share) < 1e-4f) return;
  }
  drawnSizes.push_back({face, share});
}

// Once after each resize, before its first line: the pictures of the atlases that none of
// the sizes drawn so far picks at the new scale are released (a size drawn later uploads its
// atlas again).
void releaseAtlasesOfOldScales() {
  const unsigned generation = platform::windowSizeGeneration();
  if (generation == sizesGeneration) return;
  sizesGeneration = generation;
  std::vector<const Atlas*> kept;
  for (const DrawnSize& drawn : drawnSizes) {
    kept.push_back(atlasFor(drawn.face, drawn.share * platform::layoutScale()));
  }
  for (std::vector<Atlas>& face : atlases) {
    for (Atlas& atlas : face) {
      if (atlas.texture != 0 && std::find(kept.begin(), kept.end(), &atlas) == kept.end()) {
        glDeleteTextures(1, &atlas.texture);
        atlas.texture = 0;
      }
    }
  }
}

}  // namespace

bool loadGlyphAtlases(std::string& error) {
  if (glyphAtlasesLoaded()) return true;
  for (int face = 0; face < 2; ++face) {
    for (int percent : scalePercents) {
      Atlas atlas;
      const std::string stem =
          std::string("data/textures/text/") + faceNames[face] + "_" + std::to_string(percent);
      if (!loadAtlas(stem, atlas, error)) {
        unloadAll();
        return false;
      }
      atlases[face].push_back(atlas);
    }
  }
  return true;
}

bool glyphAtlasesLoaded() {
  return !atlases[0].empty() && !atlases[1].empty();
}

float glyphTextWidth(TextFace face, float scale, const char* text) {
  const Atlas* atlas = atlasFor(face, scale);
  if (atlas == nullptr || text == nullptr) return 0.0f;
  const float k = scale / atlas->scale;
  float width = 0.0f;
  for (const char* c = text; *c != '\0'; ++c) width += atlas->table.glyph(*c).advance * k;
  return width;
}

unsigned glyphAtlasTextureFor(TextFace face, float scale) {
  const Atlas* atlas = atlasFor(face, scale);
  return atlas != nullptr ? atlas->texture : 0;
}

void drawGlyphText(TextFace face, float x, float y, float scale, const float* colour,
                   const char* text) {
  releaseAtlasesOfOldScales();
  Atlas* atlas = atlasFor(face, scale);
  if (atlas == nullptr || text == nullptr) return;
  noteDrawnSize(face, scale);
  const GLuint texture = atlasTexture(*atlas);
  if (texture == 0) return;
  const float k = scale / atlas->scale;
  // At the atlas's own size each texel lands on one pixel, as crisp as the atlas.
  if (std::fabs(k - 1.0f) < 0.01f) {
    x = std::floor(x + 0.5f);
    y = std::floor(y + 0.5f);
  }
  const float u = 1.0f / atlas->table.atlasWidth, v = 1.0f / atlas->table.atlasHeight;
  glPushAttrib(GL_ENABLE_BIT | GL_COLOR_BUFFER_BIT | GL_TEXTURE_BIT | GL_POLYGON_BIT |
               GL_CURRENT_BIT);
  glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
  glDisable(GL_LIGHTING);
  glDisable(GL_CULL_FACE);
  glEnable(GL_TEXTURE_2D);
  glBindTexture(GL_TEXTURE_2D, texture);
  glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
  glEnable(GL_BLEND);
  glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
  // Clear texels write no depth, so nothing drawn later is hidden by a glyph's box.
  glEnable(GL_ALPHA_TEST);
  glAlphaFunc(GL_GREATER, 0.0f);
  glColor3fv(colour);
  glBegin(GL_QUADS);
  float pen = x;
  for (const char* c = text; *c != '\0'; ++c) {
    const GlyphPlace& g = atlas->table.glyph(*c);
    if (g.width > 0 && g.height > 0) {
      const float x0 = pen + g.left * k, y0 = y - g.top * k;
      const float x1 = x0 + g.width * k, y1 = y0 + g.height * k;
      const float s0 = g.x * u, t0 = g.y * v, s1 = (g.x + g.width) * u, t1 = (g.y + g.height) * v;
      glTexCoord2f(s0, t0);
      glVertex2f(x0, y0);
      glTexCoord2f(s1, t0);
      glVertex2f(x1, y0);
      glTexCoord2f(s1, t1);
      glVertex2f(x1, y1);
      glTexCoord2f(s0, t1);
      glVertex2f(x0, y1);
    }
    pen += g.advance * k;
  }
  glEnd();
  glPopAttrib();
}

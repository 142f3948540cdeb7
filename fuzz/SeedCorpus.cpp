// vaultrun-fuzz-seeds: writes the fuzz targets' seed corpora from the game's generated data/
// tree plus small hand-made files, one folder per target (bmp, tga, mesh, md2, settings,
// glyphs, scores).
// Big assets are cut down first (pictures cropped, MD2 files to their first frames), so the
// fuzzer spends its time on structure rather than on megabytes of pixels.
//
//   vaultrun-fuzz-seeds DATA_DIR OUT_DIR
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "assets/BmpDecoder.h"
#include "tools/support/BmpFile.h"

namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

// Files at most this long are taken as they are.
constexpr std::uintmax_t wholeFileLimit = 16 * 1024;
// Pictures are cropped to at most this many pixels a side.
constexpr std::int32_t cropSide = 12;

Bytes readFile(const fs::path& path) {
  std::ifstream file(path, std::ios::binary);
  return Bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
}

bool writeFile(const fs::path& path, const Bytes& bytes) {
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file.write(reinterpret_cast<const char*>(bytes.data()),
             static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(file);
}

bool writeText(const fs::path& path, const std::string& text) {
  return writeFile(path, Bytes(text.begin(), text.end()));
}

std::uint32_t get32(const Bytes& b, std::size_t at) {
  return static_cast<std::uint32_t>(b[at]) | static_cast<std::uint32_t>(b[at + 1]) << 8 |
         static_cast<std::uint32_t>(b[at + 2]) << 16 | static_cast<std::uint32_t>(b[at + 3]) << 24;
}

// Files under folder whose names end in extension, in name order.
std::vector<fs::path> filesEndingIn(const fs::path& folder, const std::string& extension) {
  std::vector<fs::path> found;
  std::error_code error;
  for (fs::recursive_directory_iterator it(folder, error), end; !error && it != end;
       it.increment(error)) {
    if (it->is_regular_file() && it->path().extension() == extension) {
      found.push_back(it->path());
    }
  }
  std::sort(found.begin(), found.end());
  return found;
}

// A name for a seed made from path: its place under data/ with '/' turned into '-'.
std::string seedName(const fs::path& data, const fs::path& path) {
  std::string name = fs::relative(path, data).string();
  std::replace(name.begin(), name.end(), '/', '-');
  return name;
}

// ---- Pictures ----

// The bottom-left corner of image, at most cropSide pixels a side.
RgbImage cropped(const RgbImage& image) {
  RgbImage out;
  out.width = std::min(image.width, cropSide);
  out.height = std::min(image.height, cropSide);
  for (std::int32_t y = 0; y < out.height; ++y) {
    const auto row = image.pixels.begin() + static_cast<std::ptrdiff_t>(y) * image.width * 3;
    out.pixels.insert(out.pixels.end(), row, row + out.width * 3);
  }
  return out;
}

struct BmpForm {
  const char* name;
  std::uint32_t bits;       // 1, 4, 8, 16, 24 or 32
  bool coreHeader;          // the 12-byte info header instead of the 40-byte one
  bool fileHeader;          // the 14-byte "BM" header in front
  bool topDown;             // rows stored top row first (negative height)
  std::uint32_t coloursUsed;
};

// The palette index of a pixel for the paletted forms: 3-3-2 bits for 8, grey for 4, a
// threshold for 1.
std::uint32_t paletteIndex(const std::uint8_t* rgb, std::uint32_t bits) {
  const std::uint32_t grey = (rgb[0] * 3u + rgb[1] * 6u + rgb[2]) / 10u;
  switch (bits) {
    case 8: return (rgb[0] & 0xE0u) | ((rgb[1] >> 3) & 0x1Cu) | (rgb[2] >> 6);
    case 4: return grey >> 4;
    default: return grey >> 7;
  }
}

void putPaletteEntry(Bytes& b, std::uint32_t index, std::uint32_t bits, bool core) {
  std::uint8_t r, g, blue;
  if (bits == 8) {
    r = static_cast<std::uint8_t>(index & 0xE0u);
    g = static_cast<std::uint8_t>((index & 0x1Cu) << 3);
    blue = static_cast<std::uint8_t>((index & 3u) << 6);
  } else {
    r = g = blue = static_cast<std::uint8_t>(index * 255u / ((1u << bits) - 1u));
  }
  b.insert(b.end(), {blue, g, r});
  if (!core) b.push_back(0);
}

Bytes bmpBytes(const RgbImage& image, const BmpForm& form) {
  const std::uint32_t width = static_cast<std::uint32_t>(image.width);
  const std::uint32_t height = static_cast<std::uint32_t>(image.height);
  const std::uint32_t colours =
      form.bits <= 8 ? (form.coloursUsed != 0 ? form.coloursUsed : 1u << form.bits) : 0;
  const std::uint32_t stride = bmpfile::rowStride(width, form.bits);
  bmpfile::Headers h;
  h.fileHeader = form.fileHeader;
  h.infoSize = form.coreHeader ? 12 : 40;
  h.pixelOffset = (form.fileHeader ? 14 : 0) + h.infoSize + colours * (form.coreHeader ? 3 : 4);
  h.fileSize = h.pixelOffset + stride * height;
  h.width = width;
  h.height = form.topDown ? static_cast<std::uint32_t>(-static_cast<std::int32_t>(height)) : height;
  h.bits = form.bits;
  h.imageBytes = stride * height;
  h.pixelsPerMetre = 2835;
  h.coloursUsed = form.coloursUsed;
  Bytes b;
  bmpfile::appendHeaders(b, h);
  for (std::uint32_t i = 0; i < colours; ++i) putPaletteEntry(b, i, form.bits, form.coreHeader);
  for (std::uint32_t r = 0; r < height; ++r) {
    const std::uint32_t y = form.topDown ? height - 1 - r : r;
    Bytes row(stride, 0);
    for (std::uint32_t x = 0; x < width; ++x) {
      const std::uint8_t* rgb = image.pixels.data() + (y * width + x) * 3;
      if (form.bits <= 8) {
        const std::uint32_t index = paletteIndex(rgb, form.bits) % colours;
        const std::uint32_t bit = x * form.bits;
        row[bit / 8] |= static_cast<std::uint8_t>(index << (8 - form.bits - bit % 8));
      } else if (form.bits == 16) {
        const std::uint32_t v = (rgb[0] >> 3) << 10 | (rgb[1] >> 3) << 5 | rgb[2] >> 3;
        row[x * 2] = static_cast<std::uint8_t>(v);
        row[x * 2 + 1] = static_cast<std::uint8_t>(v >> 8);
      } else {
        std::uint8_t* p = row.data() + x * (form.bits / 8);
        p[0] = rgb[2];
        p[1] = rgb[1];
        p[2] = rgb[0];
        if (form.bits == 32) p[3] = 255;
      }
    }
    b.insert(b.end(), row.begin(), row.end());
  }
  return b;
}

const BmpForm everyBmpForm[] = {
    {"24", 24, false, true, false, 0},         {"32", 32, false, true, false, 0},
    {"16", 16, false, true, false, 0},         {"8", 8, false, true, false, 0},
    {"8-used16", 8, false, true, false, 16},   {"4", 4, false, true, false, 0},
    {"1", 1, false, true, false, 0},           {"24-topdown", 24, false, true, true, 0},
    {"8-no-file-header", 8, false, false, false, 0},
    {"24-core", 24, true, true, false, 0},     {"8-core", 8, true, false, false, 0},
};

// Targa: the 18-byte header, the optional identification field, then the pixels.
Bytes tgaBytes(const RgbImage& image, std::uint8_t type, std::uint8_t bits, const char* id) {
  const std::size_t idLength = std::strlen(id);
  Bytes b = {static_cast<std::uint8_t>(idLength), 0, type, 0, 0, 0, 0, 0, 0, 0, 0, 0};
  le::put16(b, static_cast<std::uint32_t>(image.width));
  le::put16(b, static_cast<std::uint32_t>(image.height));
  b.push_back(bits);
  b.push_back(bits == 32 ? 8 : 0);
  b.insert(b.end(), id, id + idLength);
  const std::size_t count = static_cast<std::size_t>(image.width) * image.height;
  std::vector<Bytes> pixels(count);
  for (std::size_t i = 0; i < count; ++i) {
    const std::uint8_t* rgb = image.pixels.data() + i * 3;
    if (bits == 8) {
      pixels[i] = {static_cast<std::uint8_t>((rgb[0] * 3u + rgb[1] * 6u + rgb[2]) / 10u)};
    } else {
      pixels[i] = {rgb[2], rgb[1], rgb[0]};
      if (bits == 32) pixels[i].push_back(static_cast<std::uint8_t>(i * 37));
    }
  }
  if (type != 10) {
    for (const Bytes& p : pixels) b.insert(b.end(), p.begin(), p.end());
    return b;
  }
  // Run-length packets: a run of equal pixels becomes one repeated pixel, the rest literals.
  for (std::size_t i = 0; i < count;) {
    std::size_t run = 1;
    while (i + run < count && run < 128 && pixels[i + run] == pixels[i]) ++run;
    if (run > 1) {
      b.push_back(static_cast<std::uint8_t>(0x80 | (run - 1)));
      b.insert(b.end(), pixels[i].begin(), pixels[i].end());
      i += run;
      continue;
    }
    std::size_t literal = 1;
    while (i + literal < count && literal < 128 &&
           !(i + literal + 1 < count && pixels[i + literal] == pixels[i + literal + 1])) {
      ++literal;
    }
    b.push_back(static_cast<std::uint8_t>(literal - 1));
    for (std::size_t k = 0; k < literal; ++k) {
      b.insert(b.end(), pixels[i + k].begin(), pixels[i + k].end());
    }
    i += literal;
  }
  return b;
}

// Every picture in every BMP form the decoder reads would be a few thousand seeds; every
// picture as 24-bit plus every form of the first few covers the layouts just as well.
int makeImageSeeds(const fs::path& data, const fs::path& bmpOut, const fs::path& tgaOut) {
  int made = 0;
  int fullForms = 0;
  for (const fs::path& path : filesEndingIn(data, ".bmp")) {
    const Bytes bytes = readFile(path);
    const std::string name = seedName(data, path);
    if (bytes.size() <= wholeFileLimit && writeFile(bmpOut / name, bytes)) ++made;
    std::string error;
    const std::unique_ptr<RgbImage> image = decodeBmp(bytes.data(), bytes.size(), name, error);
    if (image == nullptr) {
      std::fprintf(stderr, "Warning: %s\n", error.c_str());
      continue;
    }
    const RgbImage small = cropped(*image);
    const bool allForms = fullForms++ < 3;
    for (const BmpForm& form : everyBmpForm) {
      if (!allForms && form.bits != 24) continue;
      if (writeFile(bmpOut / (name + "." + form.name + ".bmp"), bmpBytes(small, form))) ++made;
    }
    if (!allForms) continue;
    const struct { const char* name; std::uint8_t type, bits; const char* id; } tgaForms[] = {
        {"rgb", 2, 24, ""},       {"rgba", 2, 32, "vaultrun"}, {"grey", 3, 8, ""},
        {"rle-rgb", 10, 24, ""},  {"rle-rgba", 10, 32, "id"},
    };
    for (const auto& form : tgaForms) {
      const Bytes tga = tgaBytes(small, form.type, form.bits, form.id);
      if (writeFile(tgaOut / (name + "." + form.name + ".tga"), tga)) ++made;
    }
  }
  return made;
}

// ---- MD2 ----

// The file with only its first `frames` frames and no GL commands: header, skins, texture
// coordinates, triangles, frames, with the offsets and the end moved to match. Untextured, it
// also loses its texture coordinates and leaves the end offset 0, as some exporters write.
bool shortenedMd2(const Bytes& file, std::uint32_t frames, bool untextured, Bytes& out) {
  if (file.size() < 68 || get32(file, 4) != 8) return false;
  std::uint32_t h[17];
  for (int i = 0; i < 17; ++i) h[i] = get32(file, 4 * static_cast<std::size_t>(i));
  const std::uint32_t frameSize = h[4], skins = h[5], triangles = h[8];
  const std::uint32_t texCoords = untextured ? 0 : h[7];
  frames = std::min(frames, h[10]);
  const struct { std::uint32_t offset, bytes; } blocks[] = {
      {h[11], skins * 64}, {h[12], texCoords * 4}, {h[13], triangles * 12},
      {h[14], frames * frameSize}};
  Bytes body;
  std::uint32_t offsets[4];
  for (int i = 0; i < 4; ++i) {
    if (static_cast<std::uint64_t>(blocks[i].offset) + blocks[i].bytes > file.size()) return false;
    offsets[i] = 68 + static_cast<std::uint32_t>(body.size());
    body.insert(body.end(), file.begin() + blocks[i].offset,
                file.begin() + blocks[i].offset + blocks[i].bytes);
  }
  const std::uint32_t end = 68 + static_cast<std::uint32_t>(body.size());
  h[7] = texCoords;
  h[9] = 0;        // GL commands
  h[10] = frames;
  h[11] = offsets[0];
  h[12] = offsets[1];
  h[13] = offsets[2];
  h[14] = offsets[3];
  h[15] = end;
  h[16] = untextured ? 0 : end;
  out.clear();
  for (const std::uint32_t v : h) le::put32(out, v);
  out.insert(out.end(), body.begin(), body.end());
  return true;
}

int makeMd2Seeds(const fs::path& data, const fs::path& out) {
  int made = 0;
  for (const fs::path& path : filesEndingIn(data, ".md2")) {
    const Bytes bytes = readFile(path);
    const std::string name = seedName(data, path);
    if (bytes.size() <= wholeFileLimit && writeFile(out / name, bytes)) ++made;
    for (const std::uint32_t frames : {1u, 3u}) {
      for (const bool untextured : {false, true}) {
        Bytes shortened;
        const std::string form = std::to_string(frames) + (untextured ? "-untextured" : "-frames");
        if (shortenedMd2(bytes, frames, untextured, shortened) &&
            writeFile(out / (name + "." + form + ".md2"), shortened)) {
          ++made;
        }
      }
    }
  }
  return made;
}

// ---- Text models and the settings file ----

int makeTextSeeds(const fs::path& data, const fs::path& meshOut, const fs::path& settingsOut) {
  int made = 0;
  bool crlfMade = false;
  for (const fs::path& path : filesEndingIn(data / "models", ".txt")) {
    if (fs::file_size(path) > wholeFileLimit) continue;
    const Bytes bytes = readFile(path);
    const std::string name = seedName(data, path);
    if (writeFile(meshOut / name, bytes)) ++made;
    if (!crlfMade) {
      Bytes crlf;
      for (const std::uint8_t c : bytes) {
        if (c == '\n') crlf.push_back('\r');
        crlf.push_back(c);
      }
      crlfMade = writeFile(meshOut / (name + ".crlf.txt"), crlf);
      if (crlfMade) ++made;
    }
  }
  // A model without objects or materials, and one small textured triangle with its normals.
  const std::string header = "// MilkShape 3D ASCII\n\nFrames: 1\nFrame: 1\n\n";
  made += writeText(meshOut / "empty-model.txt", header + "Meshes: 0\n\nMaterials: 0\n");
  made += writeText(meshOut / "triangle.txt",
                    header +
                        "Meshes: 1\n\"tri\" 0 0\n3\n0 0 0 0 0 0 -1\n0 1 0 0 1 0 -1\n"
                        "0 0 1 1 0 1 -1\n1\n0 0 1\n1\n0 0 1 2 0 0 0 1\n\nMaterials: 1\n"
                        "\"stone\"\n0.2 0.2 0.2 1\n0.8 0.8 0.8 1\n0 0 0 1\n0 0 0 1\n0\n1\n"
                        "\"data/textures/pm1.bmp\"\n\"\"\n\nBones: 0\n");

  const Bytes settings = readFile(data / "settings.ini");
  if (!settings.empty() && writeFile(settingsOut / "settings.ini", settings)) ++made;
  const char* const handMade[] = {"1024x768:32@60",
                                  "1024x768:32@60\n",
                                  "first line\r\n1280x1024:24@75\r\n\r\n",
                                  "800x600:32@60",
                                  " 640x480:16@50\n\n\n",
                                  "# mine\nmouse-sensitivity = 1.5\ninvert-mouse = no\nfield-of-view = 60\n"
                                  "rules = stealth\ndifficulty = hard\nvisibility-meter = no\n1024x768\n"};
  int index = 0;
  for (const char* text : handMade) {
    made += writeText(settingsOut / ("hand-made-" + std::to_string(index++) + ".ini"), text);
  }
  return made;
}

// ---- Glyph tables and the score record ----

int makeGlyphAndScoreSeeds(const fs::path& data, const fs::path& glyphsOut,
                           const fs::path& scoresOut) {
  int made = 0;
  for (const fs::path& path : filesEndingIn(data / "textures" / "text", ".txt")) {
    if (fs::file_size(path) <= wholeFileLimit && writeFile(glyphsOut / path.filename(), readFile(path))) {
      ++made;
    }
  }
  made += writeText(glyphsOut / "one-glyph.txt", "atlas 64 32 100 12 16\nglyph 65 0 0 8 10 0 10 9\n");
  const std::string result = " 2026-12-07T21:04 score 420 seconds 612 pictures 12 exhibits 10 "
                             "swords 3 health 80 guards 1\n";
  made += writeText(scoresOut / "empty-record", "vaultrun-scores 1\n");
  made += writeText(scoresOut / "best-only", "vaultrun-scores 1\nbest" + result);
  std::string full = "vaultrun-scores 1\nbest" + result;
  for (int i = 0; i < 10; ++i) full += "heist" + result;
  made += writeText(scoresOut / "ten-heists", full);
  made += writeText(scoresOut / "other-rules",
                    "vaultrun-scores 2\nbest classic easy" + result + "best" + result +
                        "best stealth hard" + result + "heist stealth normal" + result + "heist" + result);
  return made;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: vaultrun-fuzz-seeds DATA_DIR OUT_DIR\n");
    return 2;
  }
  const fs::path data = argv[1];
  const fs::path out = argv[2];
  if (!fs::is_directory(data)) {
    std::fprintf(stderr, "Error: %s is not a folder\n", data.c_str());
    return 1;
  }
  for (const char* target : {"bmp", "tga", "mesh", "md2", "settings", "glyphs", "scores"}) {
    std::error_code ignored;
    fs::remove_all(out / target, ignored);
    fs::create_directories(out / target);
  }
  showErrorMessages = 0;
  const int images = makeImageSeeds(data, out / "bmp", out / "tga");
  const int md2 = makeMd2Seeds(data, out / "md2");
  const int text = makeTextSeeds(data, out / "mesh", out / "settings") +
                   makeGlyphAndScoreSeeds(data, out / "glyphs", out / "scores");
  std::printf("seeds: %d images, %d MD2, %d text\n", images, md2, text);
  return images > 0 && md2 > 0 && text > 0 ? 0 : 1;
}

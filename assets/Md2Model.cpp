// The MD2 loader (bytes to Md2Model), the grouping of frames into animations and the
// animation clock. No GL here: Md2Draw.cpp sends the pose.
#include "assets/Md2Model.h"

#include <cstdio>
#include <cstring>
#include <new>

#include "assets/FileBytes.h"
#include "platform/Clock.h"
#include "platform/ErrorLine.h"

namespace {

// The 17 little-endian 32-bit fields at the start of every MD2 file, in file order.
struct Md2Header {
  std::int32_t ident, version;
  std::int32_t skinWidth, skinHeight;
  std::int32_t frameSize;
  std::int32_t numSkins, numVertices, numTexCoords, numTriangles, numGlCommands, numFrames;
  std::int32_t offsetSkins, offsetTexCoords, offsetTriangles, offsetFrames, offsetGlCommands;
  std::int32_t offsetEnd;
};

constexpr std::size_t headerBytes = 68;
constexpr std::int32_t md2Version = 8;
constexpr std::int64_t skinNameBytes = 64;
constexpr std::int64_t texCoordBytes = 4;   // s, t: signed 16-bit
constexpr std::int64_t triangleBytes = 12;  // three vertex and three texcoord indices, 16-bit
constexpr std::int64_t frameHeadBytes = 40; // scale, translate (3 floats each), 16-char name
constexpr std::int64_t vertexBytes = 4;     // x, y, z, normal index
constexpr std::size_t frameNameBytes = 16;

std::int32_t readInt32(const unsigned char* p) {
  const std::uint32_t u = static_cast<std::uint32_t>(p[0]) |
                          static_cast<std::uint32_t>(p[1]) << 8 |
                          static_cast<std::uint32_t>(p[2]) << 16 |
                          static_cast<std::uint32_t>(p[3]) << 24;
  std::int32_t value;
  std::memcpy(&value, &u, sizeof value);
  return value;
}

std::int16_t readInt16(const unsigned char* p) {
  const std::uint16_t u = static_cast<std::uint16_t>(p[0] | p[1] << 8);
  std::int16_t value;
  std::memcpy(&value, &u, sizeof value);
  return value;
}

float readFloat(const unsigned char* p) {
  const std::int32_t bits = readInt32(p);
  float value;
  std::memcpy(&value, &bits, sizeof value);
  return value;
}

void refuse(const std::string& fileName, const std::string& reason) {
  platform::showError("Invalid file format (" + reason + "): " + fileName + "!");
}

Md2Header readHeader(const unsigned char* data) {
  std::int32_t fields[17];
  for (int i = 0; i < 17; ++i) {
    fields[i] = readInt32(data + 4 * i);
  }
  Md2Header h;
  static_assert(sizeof h == sizeof fields, "the header is 17 packed 32-bit fields");
  std::memcpy(&h, fields, sizeof h);
  return h;
}

// One block of the file: count records of recordBytes each at offset.
struct Block {
  const char* what;
  std::int32_t offset;
  std::int32_t count;
  std::int64_t recordBytes;
};

// Sizes, counts and offsets against the format's limits and the file. Fills reason and returns
// false at the first fault. Sizes are computed in 64 bits, so no count can overflow them.
bool checkHeader(const Md2Header& h, std::size_t size, std::string& reason) {
  char text[160];
  if (h.skinWidth <= 0 || h.skinHeight <= 0) {
    std::snprintf(text, sizeof text, "skin size %dx%d", h.skinWidth, h.skinHeight);
    reason = text;
    return false;
  }
  if (h.numFrames <= 0 || h.numFrames > md2MaxFrames) {
    std::snprintf(text, sizeof text, "frame count %d not in 1..%d", h.numFrames, md2MaxFrames);
    reason = text;
    return false;
  }
  const struct { const char* what; std::int32_t count; std::int32_t minimum; } counts[] = {
      {"skin count", h.numSkins, 0},
      {"vertex count", h.numVertices, 1},
      {"texture coordinate count", h.numTexCoords, 0},  // none: the model is drawn untextured
      {"triangle count", h.numTriangles, 1},
  };
  for (const auto& c : counts) {
    if (c.count < c.minimum) {
      std::snprintf(text, sizeof text, "%s %d below %d", c.what, c.count, c.minimum);
      reason = text;
      return false;
    }
  }
  const std::int64_t smallestFrame = frameHeadBytes + vertexBytes * h.numVertices;
  if (h.frameSize < smallestFrame) {
    std::snprintf(text, sizeof text, "frame size %d below %lld for %d vertices", h.frameSize,
                  static_cast<long long>(smallestFrame), h.numVertices);
    reason = text;
    return false;
  }
  if (h.frameSize > md2MaxFrameSize) {
    std::snprintf(text, sizeof text, "frame size %d above %d", h.frameSize, md2MaxFrameSize);
    reason = text;
    return false;
  }
  const std::int64_t fileSize = static_cast<std::int64_t>(size);
  if (h.offsetEnd < 0 || h.offsetEnd > fileSize) {
    std::snprintf(text, sizeof text, "end offset %d past the end of the file (%lld bytes)",
                  h.offsetEnd, static_cast<long long>(fileSize));
    reason = text;
    return false;
  }
  const Block blocks[] = {
      {"skins", h.offsetSkins, h.numSkins, skinNameBytes},
      {"texture coordinates", h.offsetTexCoords, h.numTexCoords, texCoordBytes},
      {"triangles", h.offsetTriangles, h.numTriangles, triangleBytes},
      {"frames", h.offsetFrames, h.numFrames, h.frameSize},
  };
  for (const Block& b : blocks) {
    if (b.count == 0) {
      continue;  // nothing is read from an empty block, wherever it points
    }
    const std::int64_t blockEnd = static_cast<std::int64_t>(b.offset) + b.count * b.recordBytes;
    if (b.offset < 0) {
      std::snprintf(text, sizeof text, "%s at negative offset %d", b.what, b.offset);
      reason = text;
      return false;
    }
    if (blockEnd > fileSize) {
      std::snprintf(text, sizeof text, "%s at offset %d run past the end of the file", b.what,
                    b.offset);
      reason = text;
      return false;
    }
    // An end offset of 0 leaves the end unsaid, as exporters may: the file's length alone holds.
    if (h.offsetEnd != 0 && blockEnd > h.offsetEnd) {
      std::snprintf(text, sizeof text, "end offset %d shorter than the %s ending at %lld",
                    h.offsetEnd, b.what, static_cast<long long>(blockEnd));
      reason = text;
      return false;
    }
  }
  return true;
}

std::vector<Md2TexCoord> decodeTexCoords(const unsigned char* data, const Md2Header& h) {
  std::vector<Md2TexCoord> texCoords(static_cast<std::size_t>(h.numTexCoords));
  const float width = static_cast<float>(h.skinWidth);
  const float height = static_cast<float>(h.skinHeight);
  // The block's start is taken only when it holds something: an empty one may point anywhere.
  for (std::size_t i = 0; i < texCoords.size(); ++i) {
    const unsigned char* p = data + h.offsetTexCoords + texCoordBytes * static_cast<long>(i);
    texCoords[i].u = static_cast<float>(readInt16(p)) / width;
    texCoords[i].v = 1.0f - static_cast<float>(readInt16(p + 2)) / height;
  }
  return texCoords;
}

// The triangles, widened to 32 bits; false (with reason) for an index outside its array.
// Without texture coordinates their indices point nowhere and are not used, so not checked.
bool decodeTriangles(const unsigned char* data, const Md2Header& h,
                     std::vector<Md2Triangle>& triangles, std::string& reason) {
  triangles.resize(static_cast<std::size_t>(h.numTriangles));
  const unsigned char* p = data + h.offsetTriangles;
  for (std::size_t i = 0; i < triangles.size(); ++i) {
    Md2Triangle& tri = triangles[i];
    for (int c = 0; c < 3; ++c) {
      tri.vertexIndices[c] = readInt16(p + 2 * c);
      tri.texCoordIndices[c] = readInt16(p + 6 + 2 * c);
      const char* bad = nullptr;
      std::int32_t index = 0;
      std::int32_t limit = 0;
      if (tri.vertexIndices[c] < 0 || tri.vertexIndices[c] >= h.numVertices) {
        bad = "vertex";
        index = tri.vertexIndices[c];
        limit = h.numVertices;
      } else if (h.numTexCoords > 0 &&
                 (tri.texCoordIndices[c] < 0 || tri.texCoordIndices[c] >= h.numTexCoords)) {
        bad = "texture coordinate";
        index = tri.texCoordIndices[c];
        limit = h.numTexCoords;
      }
      if (bad != nullptr) {
        char text[160];
        std::snprintf(text, sizeof text, "triangle %zu has %s index %d, not in 0..%d", i, bad,
                      index, limit - 1);
        reason = text;
        return false;
      }
    }
    p += triangleBytes;
  }
  return true;
}

// One frame record: the vertices turned from the file's z-up axes to y up, and the name.
void decodeFrame(const unsigned char* record, std::int32_t numVertices,
                 std::vector<Vector3>& vertices, std::string& name) {
  const float s0 = readFloat(record), s1 = readFloat(record + 4), s2 = readFloat(record + 8);
  const float t0 = readFloat(record + 12), t1 = readFloat(record + 16);
  const float t2 = readFloat(record + 20);
  const char* rawName = reinterpret_cast<const char*>(record + 24);
  name.assign(rawName, strnlen(rawName, frameNameBytes));
  vertices.resize(static_cast<std::size_t>(numVertices));
  const unsigned char* v = record + frameHeadBytes;
  for (Vector3& out : vertices) {
    const float x = v[0], y = v[1], z = v[2];
    out = Vector3(x * s0 + t0, z * s2 + t2, -(y * s1 + t1));
    v += vertexBytes;
  }
}

// Step 1 of the grouping: a digit at one of the last two places starts the frame number
// ("walk01" is walk and 1, "run123" is run1 and 23). No digit there: number 0, name whole.
void splitFrameName(const std::string& frameName, std::string& baseName, int& number) {
  const std::size_t length = frameName.size();
  const std::size_t first = length >= 2 ? length - 2 : 0;
  for (std::size_t i = first; i < length; ++i) {
    if (frameName[i] >= '0' && frameName[i] <= '9') {
      number = 0;
      for (std::size_t j = i; j < length && frameName[j] >= '0' && frameName[j] <= '9'; ++j) {
        number = number * 10 + (frameName[j] - '0');
      }
      baseName = frameName.substr(0, i);
      return;
    }
  }
  number = 0;
  baseName = frameName;
}

// A frame whose base name sorts above the previous one (or the last frame) closes the
// previous animation at its own index; a name that sorts lower stays in the animation.
std::vector<Md2Animation> groupAnimations(const std::vector<std::string>& frameNames) {
  std::vector<Md2Animation> animations;
  std::string previousName;
  std::int32_t startFrame = 0;
  const std::int32_t count = static_cast<std::int32_t>(frameNames.size());
  for (std::int32_t i = 0; i < count; ++i) {
    std::string name;
    int number = 0;
    splitFrameName(frameNames[static_cast<std::size_t>(i)], name, number);
    if (name.compare(previousName) > 0 || i == count - 1) {
      if (!previousName.empty()) {
        animations.push_back(Md2Animation{previousName, startFrame, i});
      }
      startFrame = number - 1 + i;
    }
    previousName = name;
  }
  return animations;
}

// Steps 3 to 7 on a checked header: everything is decoded into locals, so the model is
// replaced in one go or not at all.
bool decodeModel(Md2Model& model, const unsigned char* data, const Md2Header& h,
                 const std::string& fileName, const char* skinFileName) {
  // Step 3: texture coordinates, triangles and frames (the skins are not used).
  std::vector<Md2Triangle> triangles;
  std::string reason;
  if (!decodeTriangles(data, h, triangles, reason)) {
    refuse(fileName, reason);
    return false;
  }
  std::vector<Md2TexCoord> texCoords = decodeTexCoords(data, h);
  std::vector<Md2Frame> frames(static_cast<std::size_t>(h.numFrames));
  std::vector<std::string> frameNames(frames.size());
  for (std::size_t i = 0; i < frames.size(); ++i) {
    Md2Frame& frame = frames[i];
    frame.numVertices = h.numVertices;
    frame.numTriangles = h.numTriangles;
    frame.numTexCoords = h.numTexCoords;
    const unsigned char* record =
        data + h.offsetFrames + static_cast<std::int64_t>(i) * h.frameSize;
    decodeFrame(record, h.numVertices, frame.vertices, frameNames[i]);
  }
  // Step 6: all frames share frame 0's triangles and texture coordinates.
  frames[0].texCoords = std::move(texCoords);
  frames[0].triangles = std::move(triangles);

  // Steps 4, 5 and 7.
  Md2Model loaded;
  loaded.numFrames = h.numFrames;
  loaded.animations = groupAnimations(frameNames);
  loaded.numAnimations = static_cast<std::int32_t>(loaded.animations.size());
  loaded.frames = std::move(frames);
  if (skinFileName != nullptr) {
    loaded.materials.push_back(Md2Material{skinFileName, 0, 1.0f});
    loaded.numMaterials = 1;
  }
  model = std::move(loaded);
  return true;
}

void refuseForMemory(const std::string& fileName) {
  platform::showError("Not enough memory for the file: " + fileName + "!");
}

}  // namespace

bool Md2Loader::load(Md2Model& model, const std::string& fileName, const char* skinFileName) {
  std::vector<unsigned char> bytes;
  try {
    std::string why;
    if (!readWholeFile(fileName, bytes, &why)) {
      platform::showError("Unable to find the file: " + fileName + fileProblemNote(why) + "!");
      return false;
    }
  } catch (const std::bad_alloc&) {
    refuseForMemory(fileName);
    return false;
  }
  return loadFromBytes(model, bytes.data(), bytes.size(), fileName, skinFileName);
}

bool Md2Loader::loadFromBytes(Md2Model& model, const unsigned char* data, std::size_t size,
                              const std::string& fileName, const char* skinFileName) {
  // Step 2: the header.
  if (data == nullptr || size < headerBytes) {
    refuse(fileName, "header cut short at " + std::to_string(size) + " of 68 bytes");
    return false;
  }
  const Md2Header h = readHeader(data);
  if (h.version != md2Version) {
    platform::showError("Invalid file format (Version not 8): " + fileName + "!");
    return false;
  }
  std::string reason;
  if (!checkHeader(h, size, reason)) {
    refuse(fileName, reason);
    return false;
  }
  try {
    return decodeModel(model, data, h, fileName, skinFileName);
  } catch (const std::bad_alloc&) {
    refuseForMemory(fileName);
    return false;
  }
}

namespace {

// The clock step of an advance: t = ms since the last step / the clock's frame time, 125 ms
// unless a guard's difficulty changed it (not limited). Once that time has passed, the
// clock's frame becomes nextFrame and the step counts from now.
float stepClock(Md2Clock& clock, std::int32_t nextFrame) {
  const float now = static_cast<float>(platform::clockMs());
  if (now < clock.lastTime) {
    // The clock went back (wrapped, or a virtual clock was reset): count from now rather
    // than wait until it catches up with the old reading.
    clock.lastTime = now;
  }
  clock.elapsedTime = now - clock.lastTime;
  const float t = clock.elapsedTime / clock.frameMs;
  if (clock.elapsedTime >= clock.frameMs) {
    clock.currentFrame = nextFrame;
    clock.lastTime = now;
  }
  return t;
}

// The model's own clock, taken out for a step and put back after it.
Md2Clock ownClock(const Md2Model& model) {
  return Md2Clock{model.elapsedTime, model.lastTime, model.playOnce, model.currentFrame};
}

void keepClock(Md2Model& model, const Md2Clock& clock) {
  model.elapsedTime = clock.elapsedTime;
  model.lastTime = clock.lastTime;
  model.currentFrame = clock.currentFrame;
}

}  // namespace

float Md2Model::stepTime(std::int32_t nextFrame) {
  Md2Clock clock = ownClock(*this);
  const float t = stepClock(clock, nextFrame);
  keepClock(*this, clock);
  return t;
}

bool Md2Model::advanceAnimation(Md2Pose& pose) {
  Md2Clock clock = ownClock(*this);
  const bool drawn = advanceAnimation(clock, pose);
  keepClock(*this, clock);
  return drawn;
}

bool Md2Model::advanceAnimation(Md2Clock& clock, Md2Pose& pose) const {
  // Step 1.
  const std::int32_t frameCount = static_cast<std::int32_t>(frames.size());
  if (frameCount == 0) {
    return false;
  }
  // A frame index from outside (the guard sets currentFrame) is kept inside the frames.
  const std::int32_t current =
      clock.currentFrame >= 0 && clock.currentFrame < frameCount ? clock.currentFrame : 0;
  pose.currentFrame = current;
  pose.nextFrame = current;
  pose.t = 0.0f;
  if (currentAnimation < 0 || currentAnimation >= static_cast<std::int32_t>(animations.size()) ||
      animations[static_cast<std::size_t>(currentAnimation)].endFrame <= 0) {
    // Frame names that form no animation: the model stands still on its frame.
    return true;
  }
  // Step 2: the next frame wraps before endFrame to startFrame.
  const Md2Animation& a = animations[static_cast<std::size_t>(currentAnimation)];
  std::int32_t next = (current + 1) % a.endFrame;
  if (next == 0) {
    next = a.startFrame;
  }
  if (next < 0 || next >= frameCount) {
    // A first frame numbered 0 (or unnumbered) puts startFrame before frame 0.
    next = 0;
  }
  pose.nextFrame = next;
  // Step 3: a play-once animation rests on endFrame - 1 without stepping the clock.
  if (clock.playOnce && current == a.endFrame - 1) {
    return true;
  }
  const float t = stepClock(clock, next);
  pose.t = t < 0.0f ? 0.0f : (t > 1.0f ? 1.0f : t);
  return true;
}

void releaseMd2Model(Md2Model& model) {
  for (Md2Frame& frame : model.frames) {
    std::vector<Vector3>().swap(frame.vertices);
    std::vector<Md2TexCoord>().swap(frame.texCoords);
    std::vector<Md2Triangle>().swap(frame.triangles);
    frame.numVertices = 0;
    frame.numTriangles = 0;
    frame.numTexCoords = 0;
  }
}

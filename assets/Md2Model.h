// MD2 key-frame models (version 8): the in-memory model, its loader and the animation clock.
// Nothing here touches GL; Md2Draw.cpp draws the pose that advanceAnimation() picks.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "geometry/Vector3.h"

// A run of key frames found in the frame names (walk01..walk15 is "walk").
struct Md2Animation {
  std::string name;
  std::int32_t startFrame = 0;  // the frame a looping animation returns to
  std::int32_t endFrame = 0;    // frames 0..endFrame-1 are shown; endFrame-1 is the play-once rest
};

// The skin named at loading. Nothing reads it: the guard binds its own skin texture.
struct Md2Material {
  std::string fileName;
  std::uint32_t textureId = 0;
  float tiling = 1.0f;
};

struct Md2TexCoord {
  float u, v;  // 0..1 across the skin; v counts from the skin's bottom row
};

struct Md2Triangle {
  std::int32_t vertexIndices[3];    // into each frame's vertices, checked at loading
  std::int32_t texCoordIndices[3];  // into frame 0's texCoords; checked at loading when it has any
};

// One key frame. Only frame 0 carries the triangles and texture coordinates that all share.
struct Md2Frame {
  std::int32_t numVertices = 0;
  std::int32_t numTriangles = 0;
  std::int32_t numTexCoords = 0;
  std::vector<Vector3> vertices;        // y up, in model units
  std::vector<Md2TexCoord> texCoords;   // frame 0 only; none in an untextured model
  std::vector<Md2Triangle> triangles;   // frame 0 only
};

// What one draw shows: frame currentFrame blended towards nextFrame by t.
struct Md2Pose {
  std::int32_t currentFrame = 0;
  std::int32_t nextFrame = 0;
  float t = 0.0f;  // 0.0 = current frame, 1.0 = next frame
};

// Milliseconds per key frame: at most 8 key frames a second.
constexpr float md2FrameMs = 125.0f;

// Where one player of an animation stands in it: the key frame shown and the clock of its
// steps. Several of these can play one model's frames at once (both guards share theirs).
struct Md2Clock {
  float elapsedTime = 0.0f;   // ms since the last frame step, as of the last advance
  float lastTime = 0.0f;      // clock reading (ms) of the last frame step; 0 when fresh
  bool playOnce = false;      // rest on the last shown frame instead of looping
  std::int32_t currentFrame = 0;
  float frameMs = md2FrameMs; // ms a key frame is shown: a guard's shooting is quicker or
                              // slower with the difficulty
};

class Md2Model {
 public:
  float elapsedTime = 0.0f;  // ms since the last frame step, as of the last draw
  float lastTime = 0.0f;     // clock reading (ms) of the last frame step; 0 after loading
  bool playOnce = false;     // rest on the last shown frame instead of looping; set by the guard
  std::int32_t numFrames = 0;
  std::int32_t numMaterials = 0;   // 1 when a skin file name was given
  std::int32_t numAnimations = 0;
  std::int32_t currentAnimation = 0;  // never changed after loading
  std::int32_t currentFrame = 0;      // the key frame shown now; the guard resets and reads it
  std::vector<Md2Animation> animations;
  std::vector<Md2Material> materials;
  std::vector<Md2Frame> frames;

  // Draws the current pose (immediate mode, front faces culled) and advances the clock.
  // The caller sets the transformation and binds the skin. Defined in Md2Draw.cpp.
  void drawAnimated();

  // Draws a pose that advanceAnimation() picked, without touching the clock. Defined in
  // Md2Draw.cpp.
  void drawPose(const Md2Pose& pose) const;

  // The clock step of a draw: t = ms since the last step / 125 (not limited). Once 125 ms have
  // passed, currentFrame becomes nextFrame and the step counts from now.
  float stepTime(std::int32_t nextFrame);

  // The first half of drawAnimated, without GL: picks the current and next frame, steps the
  // clock and gives t limited to [0, 1]. A play-once animation resting on endFrame - 1 gets
  // t = 0 and no step. Returns false when there is nothing to draw (no frames).
  bool advanceAnimation(Md2Pose& pose);

  // The same with a clock of the caller's own instead of the model's: the frames stay shared.
  bool advanceAnimation(Md2Clock& clock, Md2Pose& pose) const;
};

// Frees each frame's vertices, texture coordinates and triangles; the model object stays, and
// drawing it afterwards draws nothing.
void releaseMd2Model(Md2Model& model);

// Reads MD2 files. Every count, offset, size and index is checked against the file before use;
// a file that fails a check is refused with a message naming the reason and the file, and the
// model is left as it was.
class Md2Loader {
 public:
  // Loads fileName into model (replacing its contents) and returns true, or shows the error
  // line and returns false. skinFileName may be null (then no material is recorded).
  static bool load(Md2Model& model, const std::string& fileName, const char* skinFileName);

  // The same from a file's bytes already in memory; fileName only names it in messages.
  static bool loadFromBytes(Md2Model& model, const unsigned char* data, std::size_t size,
                            const std::string& fileName, const char* skinFileName);
};

// Limits of the format, beyond which a file is refused.
constexpr std::int32_t md2MaxFrames = 512;
constexpr std::int32_t md2MaxFrameSize = 8320;  // bytes of one frame record

// Texture uploads (BMP with mipmaps, TGA with its flags, the checkerboard fallback), the
// registry of made textures that carries the F4 filter to all of them, and the sharing of one
// texture by every load of the same BMP file.
#include "assets/Textures.h"

#include <GL/glu.h>
#include <GL/glx.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <memory>
#include <new>
#include <string>
#include <vector>

#include "assets/BmpDecoder.h"
#include "assets/FileBytes.h"
#include "assets/Mipmaps.h"
#include "assets/TgaDecoder.h"

static_assert(tgaFormatAlpha == GL_ALPHA && tgaFormatRgb == GL_RGB && tgaFormatRgba == GL_RGBA &&
                  tgaFormatLuminance == GL_LUMINANCE,
              "TGA formats must carry the GL values");

namespace {

// ---- Registry: set whenever a texture is made or deleted, read by F4 ----
GLint minificationFilter = GL_LINEAR_MIPMAP_LINEAR;
std::map<GLuint, bool> madeTextures;  // texture name -> has a mipmap chain

// ---- BMP files already uploaded: set by uploadBmpTexture, counted down by deleteTextures ----
// The 36 pictures all carry the same wood, the 25 pedestals the same stone: one texture object
// per file, deleted when its last user deletes it, keeps one copy of each in memory.
std::map<std::string, GLuint> textureOfFile;
std::map<GLuint, int> textureUsers;  // texture name -> loads not yet deleted

// ---- TGA loader state: looked up again on every TGA load ----
std::uint8_t compression_available = 1;
void (*compressedTexImage2D)() = nullptr;
void (*getCompressedTexImage)() = nullptr;

GLint levelZeroFilter(GLint filter) {
  switch (filter) {
    case GL_NEAREST_MIPMAP_NEAREST:
    case GL_NEAREST_MIPMAP_LINEAR:
      return GL_NEAREST;
    case GL_LINEAR_MIPMAP_NEAREST:
    case GL_LINEAR_MIPMAP_LINEAR:
      return GL_LINEAR;
    default:
      return filter;
  }
}

// The filter of the bound texture, from the current one.
void applyFilterToBound(bool hasMipmaps) {
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER,
                  hasMipmaps ? minificationFilter : levelZeroFilter(minificationFilter));
}

[[noreturn]] void textureLoadFailed(const char* fileName) {
  std::printf("An error has occured by loading the texture %s\n", fileName);
  std::fflush(stdout);
  std::exit(1);
}

// The decoders' size limits, with the side widened to the largest texture this GL takes.
ImageLimits textureImageLimits() {
  GLint largest = 0;
  glGetIntegerv(GL_MAX_TEXTURE_SIZE, &largest);
  return imageLimitsForTextureSide(largest);
}

GLuint newBoundTexture() {
  GLuint name = 0;
  glGenTextures(1, &name);
  glBindTexture(GL_TEXTURE_2D, name);
  return name;
}

// Rows of decoded images are tightly packed, whatever alignment the caller has set.
class TightUnpacking {
 public:
  TightUnpacking() {
    glPushClientAttrib(GL_CLIENT_PIXEL_STORE_BIT);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
  }
  ~TightUnpacking() { glPopClientAttrib(); }
  TightUnpacking(const TightUnpacking&) = delete;
  TightUnpacking& operator=(const TightUnpacking&) = delete;
};

bool isPowerOfTwo(std::int32_t n) {
  return n > 0 && (n & (n - 1)) == 0;
}

// GLU scales a side that is not a power of two, or larger than GL takes, before it builds the
// chain; such an image keeps GLU's way, so that it looks the same. Every image the game ships
// is a power of two on both sides.
bool takesOwnMipmaps(std::int32_t width, std::int32_t height) {
  GLint largest = 0;
  glGetIntegerv(GL_MAX_TEXTURE_SIZE, &largest);
  return isPowerOfTwo(width) && isPowerOfTwo(height) && width <= largest && height <= largest;
}

// ---- Immutable storage: looked up with the first BMP upload ----
using TexStorage2D = void (*)(GLenum, GLsizei, GLenum, GLsizei, GLsizei);
TexStorage2D texStorage2D = nullptr;
bool storageLookedUp = false;

bool hasExtension(const char* name) {
  const char* list = reinterpret_cast<const char*>(glGetString(GL_EXTENSIONS));
  const std::size_t length = std::strlen(name);
  for (const char* at = list; at != nullptr && (at = std::strstr(at, name)) != nullptr; at += length) {
    const bool starts = at == list || at[-1] == ' ';
    if (starts && (at[length] == ' ' || at[length] == '\0')) return true;
  }
  return false;
}

TexStorage2D immutableStorage() {
  if (!storageLookedUp) {
    storageLookedUp = true;
    if (hasExtension("GL_ARB_texture_storage")) {
      texStorage2D = reinterpret_cast<TexStorage2D>(
          glXGetProcAddressARB(reinterpret_cast<const GLubyte*>("glTexStorage2D")));
    }
  }
  return texStorage2D;
}

int levelCount(std::int32_t width, std::int32_t height) {
  int levels = 1;
  for (; width > 1 || height > 1; ++levels) {
    width = width > 1 ? width / 2 : 1;
    height = height > 1 ? height / 2 : 1;
  }
  return levels;
}

// Level 0 as it stands and each smaller level made here, sent one at a time, the same texels
// GLU would make. With immutable storage the driver sets the whole chain aside once: level by
// level it reallocated as the chain grew, and GLU's own working copies came on top, 17 MB
// more at the start-up's peak and a third of its time. False when GL refuses a level.
bool uploadWithOwnMipmaps(const RgbImage& image) {
  while (glGetError() != GL_NO_ERROR) {
  }
  const TexStorage2D storage = immutableStorage();
  if (storage != nullptr) {
    storage(GL_TEXTURE_2D, levelCount(image.width, image.height), GL_RGB8, image.width,
            image.height);
  }
  RgbImage level;
  const RgbImage* above = &image;
  for (GLint index = 0;; ++index) {
    if (storage != nullptr) {
      glTexSubImage2D(GL_TEXTURE_2D, index, 0, 0, above->width, above->height, GL_RGB,
                      GL_UNSIGNED_BYTE, above->pixels.data());
    } else {
      glTexImage2D(GL_TEXTURE_2D, index, GL_RGB, above->width, above->height, 0, GL_RGB,
                   GL_UNSIGNED_BYTE, above->pixels.data());
    }
    if (above->width == 1 && above->height == 1) break;
    level = halvedImage(*above);
    above = &level;
  }
  return glGetError() == GL_NO_ERROR;
}

// Step 1 of the TGA load: the optional compressed-texture entry points.
void lookUpCompressionEntryPoints() {
  compressedTexImage2D =
      glXGetProcAddressARB(reinterpret_cast<const GLubyte*>("glCompressedTexImage2DARB"));
  getCompressedTexImage =
      glXGetProcAddressARB(reinterpret_cast<const GLubyte*>("glGetCompressedTexImageARB"));
  if (compressedTexImage2D == nullptr || getCompressedTexImage == nullptr) {
    compression_available = 0;
  }
}

// The internal format for a TGA format under the flags.
GLint tgaInternalFormat(GLenum format, std::uint32_t flags) {
  if ((flags & tgaCompressedFormats) && compression_available) {
    switch (format) {
      case GL_ALPHA:
        return GL_COMPRESSED_ALPHA_ARB;
      case GL_RGB:
        return GL_COMPRESSED_RGB_ARB;
      case GL_RGBA:
        return GL_COMPRESSED_RGBA_ARB;
      default:
        return GL_COMPRESSED_LUMINANCE_ARB;
    }
  }
  if (flags & tgaFourBitFormats) {
    switch (format) {
      case GL_ALPHA:
        return GL_ALPHA4;
      case GL_RGB:
        return GL_RGB4;
      case GL_RGBA:
        return GL_RGBA4;
      default:
        return GL_LUMINANCE4;
    }
  }
  return static_cast<GLint>(format);
}

// Step 8: upload into the bound texture; false when GL or GLU refuses it.
bool uploadTga(const TgaImage& image, std::uint32_t flags) {
  const GLenum format = image.format;
  const GLint internal = tgaInternalFormat(format, flags);
  const TightUnpacking unpacking;
  if (flags & tgaLevelZeroOnly) {
    while (glGetError() != GL_NO_ERROR) {
    }
    glTexImage2D(GL_TEXTURE_2D, 0, internal, image.width, image.height, 0, format, GL_UNSIGNED_BYTE,
                 image.data.data());
    return glGetError() == GL_NO_ERROR;
  }
  return gluBuild2DMipmaps(GL_TEXTURE_2D, internal, image.width, image.height, format,
                           GL_UNSIGNED_BYTE, image.data.data()) == 0;
}

}  // namespace

GLint currentMinificationFilter() {
  return minificationFilter;
}

void applyMinificationFilterToAll(GLint filter) {
  minificationFilter = filter;
  GLint bound = 0;
  glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
  for (const auto& texture : madeTextures) {
    glBindTexture(GL_TEXTURE_2D, texture.first);
    applyFilterToBound(texture.second);
  }
  glBindTexture(GL_TEXTURE_2D, static_cast<GLuint>(bound));
}

void registerTexture(GLuint name, bool hasMipmaps) {
  madeTextures[name] = hasMipmaps;
  glBindTexture(GL_TEXTURE_2D, name);
  applyFilterToBound(hasMipmaps);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_REPEAT);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_REPEAT);
}

void deleteTexture(GLuint name) {
  deleteTextures(1, &name);
}

void deleteTextures(GLsizei count, const GLuint* names) {
  for (GLsizei i = 0; i < count; ++i) {
    const GLuint name = names[i];
    const auto shared = textureUsers.find(name);
    if (shared != textureUsers.end()) {
      if (--shared->second > 0) continue;
      textureUsers.erase(shared);
      for (auto file = textureOfFile.begin(); file != textureOfFile.end(); ++file) {
        if (file->second == name) {
          textureOfFile.erase(file);
          break;
        }
      }
    }
    madeTextures.erase(name);
    glDeleteTextures(1, &name);
  }
}

GLuint uploadRgbImage(const RgbImage& image) {
  GLuint name = newBoundTexture();
  const TightUnpacking unpacking;
  if (takesOwnMipmaps(image.width, image.height)) {
    if (uploadWithOwnMipmaps(image)) {
      registerTexture(name, true);
      return name;
    }
    // Immutable storage takes no second upload: GLU gets a fresh texture.
    glDeleteTextures(1, &name);
    name = newBoundTexture();
  }
  if (gluBuild2DMipmaps(GL_TEXTURE_2D, 3, image.width, image.height, GL_RGB, GL_UNSIGNED_BYTE,
                        image.pixels.data()) != 0) {
    glDeleteTextures(1, &name);
    return 0;
  }
  registerTexture(name, true);
  return name;
}

GLuint uploadBmpTexture(const char* fileName) {
  const auto loaded = textureOfFile.find(fileName);
  if (loaded != textureOfFile.end()) {
    ++textureUsers[loaded->second];
    glBindTexture(GL_TEXTURE_2D, loaded->second);
    return loaded->second;
  }
  GLuint name = 0;
  {
    const std::unique_ptr<RgbImage> image = loadBmpImage(fileName, textureImageLimits());
    name = image ? uploadRgbImage(*image) : 0;
  }
  if (name == 0) {
    textureLoadFailed(fileName);
  }
  textureOfFile[fileName] = name;
  textureUsers[name] = 1;
  return name;
}

void loadTextureInto(GLuint* textures, const char* fileName, std::int32_t index) {
  if (fileName == nullptr) {
    return;
  }
  textures[index] = uploadBmpTexture(fileName);
}

void loadTextures(GLuint* textures, const char* const* fileNames, std::int16_t count) {
  for (std::int16_t i = 0; i < count; ++i) {
    loadTextureInto(textures, fileNames[i], i);
  }
}

GLuint load_bmp_texture(const char* fileName) {
  return uploadBmpTexture(fileName);
}

GLuint load_tga_texture(const char* fileName, std::uint32_t flags) {
  lookUpCompressionEntryPoints();
  std::vector<std::uint8_t> bytes;
  TgaImage image;
  std::string error;
  try {
    std::string why;
    if (!readWholeFile(fileName, bytes, &why)) {
      error = "File not found" + fileProblemNote(why);
    }
  } catch (const std::bad_alloc&) {
    error = "Out of memory";
  }
  if (error.empty()) {
    // Sets error when it refuses.
    decodeTga(bytes.data(), bytes.size(), flags, image, error, textureImageLimits());
  }
  std::vector<std::uint8_t>().swap(bytes);  // freed before the upload, the load's peak
  const GLuint name = newBoundTexture();
  if (error.empty() && !uploadTga(image, flags)) {
    error = "Image refused by the texture upload";
  }
  if (!error.empty()) {
    std::printf("%s - %s\n", error.c_str(), fileName);
    std::fflush(stdout);
    make_checker_texture();
    registerTexture(name, false);
    return name;
  }
  registerTexture(name, (flags & tgaLevelZeroOnly) == 0);
  return name;
}

void set_texture_parameters(GLint minFilter, GLint magFilter, GLint envMode) {
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, minFilter);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, magFilter);
  glTexEnvf(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, static_cast<GLfloat>(envMode));
}

void make_checker_texture() {
  glTexImage2D(GL_TEXTURE_2D, 0, GL_LUMINANCE4, checkerSize, checkerSize, 0, GL_LUMINANCE,
               GL_UNSIGNED_BYTE, checkerPattern());
}

TextureLoader materialTextureLoader(const std::string& name) {
  if (name.size() < 4) {
    return TextureLoader::Bmp;
  }
  // memcmp compares as unsigned char: ".tga" sorts after ".bmp", ".TGA" before it.
  const int order = std::memcmp(name.data() + name.size() - 4, ".bmp", 4);
  return order > 0 ? TextureLoader::Tga : TextureLoader::Bmp;
}

GLuint loadMaterialTexture(const std::string& name) {
  if (name.empty()) {
    return 0;
  }
  if (materialTextureLoader(name) == TextureLoader::Tga) {
    const GLuint texture = load_tga_texture(name.c_str(), 1);
    set_texture_parameters(GL_LINEAR, GL_LINEAR, GL_MODULATE);
    return texture;
  }
  return load_bmp_texture(name.c_str());
}

// Texture objects: uploads of decoded BMP and TGA images, the loader choice for model
// materials, and the registry of every texture the game has made, so that the minification
// filter (F4) reaches all of them. All of it needs a current GL context.
#pragma once

#include <GL/gl.h>

#include <cstdint>
#include <string>

struct RgbImage;

// ---- Filters and the texture registry ----
// Every texture made here (and every one registered from elsewhere) gets the current
// minification filter and repeat wrapping in S and T when it is made. The filter starts as
// GL_LINEAR_MIPMAP_LINEAR; F4 switches it with applyMinificationFilterToAll.

GLint currentMinificationFilter();

// Makes filter the current minification filter and sets it on every registered texture.
// A texture without a mipmap chain gets the filter's level-0 equivalent (GL_LINEAR or
// GL_NEAREST), so that it stays complete. The binding of GL_TEXTURE_2D is kept.
void applyMinificationFilterToAll(GLint filter);

// For textures made outside this file: records name and gives it the current filter and
// repeat wrapping. Leaves name bound to GL_TEXTURE_2D.
void registerTexture(GLuint name, bool hasMipmaps);

// glDeleteTextures that also forgets the names; use these instead of glDeleteTextures. A
// texture that several loads of one BMP file share is deleted with its last load.
void deleteTexture(GLuint name);
void deleteTextures(GLsizei count, const GLuint* names);

// ---- BMP textures ----

// A new texture object from image, bound to GL_TEXTURE_2D, with the full mipmap chain of
// gluBuild2DMipmaps(GL_TEXTURE_2D, 3, width, height, GL_RGB, GL_UNSIGNED_BYTE, pixels). Sides
// that are powers of two get the same texels made here, in immutable storage where GL has
// it (such a texture takes no second glTexImage2D); other sides go through GLU, which scales
// them. Leaves it bound. Returns 0 (and makes nothing) when the image is refused.
GLuint uploadRgbImage(const RgbImage& image);

// Decodes fileName and uploads it as above; a file already loaded, and not yet deleted by
// every load, gives its texture again (bound) without a second copy. When the file can't be
// loaded, writes
// "An error has occured by loading the texture <name>" and a line break on standard output and
// ends the program with exit status 1. Used by loadTextureInto, ModelObject::loadTexture and
// the guards' skins.
GLuint uploadBmpTexture(const char* fileName);

// textures[index] = a new texture from fileName; does nothing when fileName is null.
void loadTextureInto(GLuint* textures, const char* fileName, std::int32_t index);

// loadTextureInto(textures, fileNames[i], i) for i = 0 .. count - 1, in order.
void loadTextures(GLuint* textures, const char* const* fileNames, std::int16_t count);

// The BMP path of model materials: the same upload, the same failure.
GLuint load_bmp_texture(const char* fileName);

// ---- TGA textures ----

// A new texture from a Targa file with the tga* flags of assets/TgaDecoder.h. A file that
// can't be read gets one line "<reason> - <name>" on standard output and the texture gets the
// 128 x 128 checkerboard instead. Leaves the texture bound.
GLuint load_tga_texture(const char* fileName, std::uint32_t flags);

// On the bound texture: GL_TEXTURE_MIN_FILTER and GL_TEXTURE_MAG_FILTER, then
// GL_TEXTURE_ENV_MODE of GL_TEXTURE_ENV (as a float).
void set_texture_parameters(GLint minFilter, GLint magFilter, GLint envMode);

// Uploads the checkerboard into the bound texture as level 0 only (GL_LUMINANCE4).
void make_checker_texture();

// ---- Model materials ----

enum class TextureLoader { Bmp, Tga };

// The last four characters of name compared with ".bmp" byte by byte, unsigned: an ending that
// sorts after it (".tga") takes the TGA loader; ".bmp", ".BMP", ".TGA" and names shorter than
// four characters take the BMP loader.
TextureLoader materialTextureLoader(const std::string& name);

// 0 for an empty name; otherwise load_tga_texture(name, 1) followed by
// set_texture_parameters(GL_LINEAR, GL_LINEAR, GL_MODULATE), or load_bmp_texture(name).
GLuint loadMaterialTexture(const std::string& name);

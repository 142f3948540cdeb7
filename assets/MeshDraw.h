// Drawing one object of a loaded text model from its arrays, and the scissor rectangle the
// level's room parts are drawn in.
#pragma once

#include <cstddef>
#include <cstdint>

#include "assets/MeshModel.h"

struct ScreenRect;

// Enables the vertex, normal and texture-coordinate arrays, points them at the object's
// arrays and draws its triangles with one indexed call. The arrays are enabled here, not
// trusted from start-up: the toolkit's solids switch the vertex and normal arrays off after
// drawing.
void drawMeshObject(const MeshObject& object);
// The same for some of its triangles: count corner indices (three a triangle) into its arrays.
void drawMeshObjectCorners(const MeshObject& object, const std::uint32_t* corners,
                           std::size_t count);

// The model files' materials carry no shininess the game reads; a text model is drawn with
// this one, so that its highlights do not depend on what was drawn before it (left at 0, the
// specular covers a steel face in white).
constexpr float modelShininess = 40.0f;

// Binds the material's texture and sets its ambient, diffuse, specular and emission on both
// faces (emission always, so nothing keeps the glow of what was drawn before).
void applyMeshMaterial(const MeshMaterial& material);

// Before drawing a toolkit solid: the solids bring their own vertex and normal arrays but no
// texture coordinates, so a texture-coordinate array left on would be read past its end.
void prepareForToolkitSolid();

// glScissor to the window pixels that rect touches (its edges rounded outwards).
void scissorTo(const ScreenRect& rect);

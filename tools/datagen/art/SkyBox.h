#pragma once

#include <array>

#include <glm/glm.hpp>

#include "tools/datagen/art/Image.h"

// The sky box image: 3 x 2 cells, one per cube face, painted by looking up
// the sky in the direction each texel is shown at, so the cells meet without
// seams whatever their orientation in the image.
namespace DataGen {

inline constexpr int skyCellSize = 512;
inline constexpr int skyImageWidth = 3 * skyCellSize;
inline constexpr int skyImageHeight = 2 * skyCellSize;

// One face of the sky cube as the renderer builds it: two corners and the
// texture coordinates of those corners; walls are vertical rectangles, the
// top and bottom horizontal ones.
struct SkyFace {
    const char* name;
    glm::vec3 corner1;
    glm::vec3 corner2;
    glm::vec2 texCorner1;
    glm::vec2 texCorner2;
    bool wall;
};

const std::array<SkyFace, 6>& skyFaces();

// The cube face a texture coordinate of the image belongs to (index into skyFaces()).
int skyFaceAt(glm::vec2 texcoord);

// Unit direction from the cube's centre to where texture coordinate
// `texcoord` is drawn on face `face` (extended beyond the face's own corners).
glm::vec3 skyDirectionOnFace(int face, glm::vec2 texcoord);
// The same on the face whose cell holds `texcoord`.
glm::vec3 skyDirectionAt(glm::vec2 texcoord);

// Sky colour seen along a unit direction (+z up): blue gradient above the
// horizon, a sun with its glow, soft clouds, and hazy ground below.
glm::vec3 skyColour(const glm::vec3& direction);

Image makeSkyBoxImage();

} // namespace DataGen

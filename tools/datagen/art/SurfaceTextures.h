#pragma once

#include "tools/datagen/art/Image.h"

// The tiling surface textures of the world: every one repeats seamlessly.
namespace DataGen {

inline constexpr int gridImageSize = 512;
inline constexpr int defaultImageSize = 256;
inline constexpr int hexagonImageSize = 512;

// One metre of floor: a bright line on the tile border, fainter quarter lines,
// over a dark, mostly opaque fill (the floor is drawn blended).
Image makeGridImage();

// Light neutral tiles for untextured things; vertex colours tint it.
Image makeDefaultImage();

// Bevelled hexagon plates with dark grooves for the level's blocks: 7 plates
// across and 8 rows up, repeating exactly at the image edges.
Image makeHexagonImage();

} // namespace DataGen

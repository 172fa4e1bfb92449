#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace Engine::GFX {

// An image as 32-bit pixels in blue, green, red, alpha byte order, rows from
// the bottom of the image up: the layout GL expects for a texture whose
// coordinate (0, 0) is the image's lower-left corner.
struct ImagePixels {
    uint32_t width = 0;
    uint32_t height = 0;
    std::vector<uint8_t> bgra;
};

// Reads any format the image library knows and converts it to 32 bits
// (palette and 24-bit images become opaque). A file that cannot be
// identified, read or converted gives a 0 x 0 image.
ImagePixels readImageFile(const std::string& path);

} // namespace Engine::GFX

#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include <glm/glm.hpp>

#include "Engine/Font/FontData.h"

namespace Engine::GFX {

// One glyph rectangle in font pixels (plane z = 0, y up) with the texture
// coordinates of its lower-left and upper-right corners. v is flipped against
// the font file's rows because page images are uploaded bottom row first.
struct TextQuad {
    glm::vec2 lowerLeft{0.0f};
    glm::vec2 upperRight{0.0f};
    glm::vec2 texLowerLeft{0.0f};
    glm::vec2 texUpperRight{0.0f};
};

// A laid-out string: the first line's top is at y = 0, later lines go down by
// lineHeight; width is the rightmost quad edge, height lineHeight x lines.
struct TextLayout {
    int32_t width = 0;
    int32_t height = 0;
    std::vector<TextQuad> quads;
};

// Lays out the bytes of `text`: a line feed starts a new line (keeping the
// previous character for kerning), bytes without a glyph are skipped, spaces
// advance the pen without a quad. Bytes are looked up as signed 8-bit values,
// so 128..255 find no glyph.
TextLayout layoutText(const FontData& font, const std::string& text);

} // namespace Engine::GFX

#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <utility>

namespace Engine::GFX {

// Where one glyph lies in its page image and how it sits on the pen position.
// Pixels; x, y count from the image's top-left corner, yoffset downwards.
struct Glyph {
    int32_t x = 0;
    int32_t y = 0;
    int32_t width = 0;
    int32_t height = 0;
    int32_t xoffset = 0;
    int32_t yoffset = 0;
    int32_t xadvance = 0;
    int32_t page = 0;
};

// The description of a bitmap font as read from its ".fnt" text file.
struct FontData {
    std::map<std::pair<int32_t, int32_t>, int32_t> kerning; // (first, second) -> amount
    std::map<int32_t, Glyph> glyphs;
    std::map<int32_t, std::string> pages; // page id -> image file name
    int32_t lineHeight = 0;
    int32_t base = 0;
    int32_t scaleW = 0;
    int32_t scaleH = 0;
};

} // namespace Engine::GFX

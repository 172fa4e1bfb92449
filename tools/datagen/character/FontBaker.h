#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "Engine/Font/FontData.h"

namespace DataGen::FontBaker {

inline constexpr int firstCharacter = 32;
inline constexpr int lastCharacter = 126;

// A baked bitmap font: metrics in the font description's terms and one RGBA
// page (rows from the top), white with the glyph coverage in alpha.
struct BakedFont {
    Engine::GFX::FontData metrics;
    std::string faceName;
    int pixelSize = 0;
    int pageWidth = 0;
    int pageHeight = 0;
    std::vector<uint8_t> pageRgba;
};

// Renders the printable ASCII characters of a TrueType font at `pixelSize`
// with anti-aliasing and packs them into one page. Throws std::runtime_error
// when FreeType cannot load the font or a glyph.
BakedFont bake(const std::string& fontPath, int pixelSize);

// The description file in the BMFont text format, naming `pageFile` as page 0.
std::string describe(const BakedFont& font, const std::string& pageFile);

// Writes the page as a PNG image; throws std::runtime_error on failure.
void savePage(const BakedFont& font, const std::string& path);

} // namespace DataGen::FontBaker

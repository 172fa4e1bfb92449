#include "Engine/Font/TextLayout.h"

#include <limits>

namespace Engine::GFX {

namespace {

constexpr char lineFeed = '\n';
constexpr int32_t space = ' ';

// A font file may hold any 32-bit metrics, so sums and products of them are
// formed in 64 bits, and whole-pixel sizes saturate at the 32-bit range
// instead of overflowing. Truncates toward zero like a plain conversion.
int32_t saturatedInt32(double value)
{
    constexpr double low = std::numeric_limits<int32_t>::min();
    constexpr double high = std::numeric_limits<int32_t>::max();
    if (!(value < high)) {
        return std::numeric_limits<int32_t>::max();
    }
    if (!(value > low)) {
        return std::numeric_limits<int32_t>::min();
    }
    return static_cast<int32_t>(value);
}

struct Pen {
    float x = 0.0f;
    float y = 0.0f;
    int32_t lines = 1;
    bool hasPrevious = false;
    int32_t previous = 0;
};

int32_t kerningAmount(const FontData& font, const Pen& pen, int32_t character)
{
    if (!pen.hasPrevious) {
        return 0;
    }
    const auto pair = font.kerning.find({pen.previous, character});
    return pair == font.kerning.end() ? 0 : pair->second;
}

TextQuad glyphQuad(const FontData& font, const Glyph& glyph, const Pen& pen, int32_t kern)
{
    const auto scaleW = static_cast<float>(font.scaleW);
    const auto scaleH = static_cast<float>(font.scaleH);
    TextQuad quad;
    quad.lowerLeft = glm::vec2(pen.x + static_cast<float>(int64_t{glyph.xoffset} + kern),
                               pen.y - static_cast<float>(glyph.yoffset) - static_cast<float>(glyph.height));
    quad.upperRight = quad.lowerLeft + glm::vec2(glyph.width, glyph.height);
    quad.texLowerLeft = glm::vec2(static_cast<float>(glyph.x) / scaleW,
                                  static_cast<float>(int64_t{font.scaleH} - glyph.y - glyph.height) / scaleH);
    quad.texUpperRight = glm::vec2(static_cast<float>(int64_t{glyph.x} + glyph.width) / scaleW,
                                   static_cast<float>(int64_t{font.scaleH} - glyph.y) / scaleH);
    return quad;
}

void placeGlyph(const FontData& font, const Glyph& glyph, int32_t character, Pen& pen, TextLayout& layout)
{
    const int32_t kern = kerningAmount(font, pen, character);
    if (character != space) {
        const TextQuad quad = glyphQuad(font, glyph, pen, kern);
        if (quad.upperRight.x > static_cast<float>(layout.width)) {
            layout.width = saturatedInt32(quad.upperRight.x);
        }
        layout.quads.push_back(quad);
    }
    pen.x += static_cast<float>(int64_t{glyph.xadvance} + kern);
    pen.hasPrevious = true;
    pen.previous = character;
}

} // namespace

TextLayout layoutText(const FontData& font, const std::string& text)
{
    TextLayout layout;
    Pen pen;
    for (const char byte : text) {
        if (byte == lineFeed) {
            pen.x = 0.0f;
            pen.y -= static_cast<float>(font.lineHeight);
            ++pen.lines;
        } else {
            const auto character = static_cast<int32_t>(static_cast<int8_t>(byte));
            const auto glyph = font.glyphs.find(character);
            if (glyph != font.glyphs.end()) {
                placeGlyph(font, glyph->second, character, pen, layout);
            }
        }
        layout.height = saturatedInt32(static_cast<double>(int64_t{font.lineHeight} * pen.lines));
    }
    return layout;
}

} // namespace Engine::GFX

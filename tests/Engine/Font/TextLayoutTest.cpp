#include "Engine/Font/TextLayout.h"

#include <cstdint>
#include <limits>

#include <gtest/gtest.h>

using namespace Engine::GFX;

namespace {

// A 128 x 64 page with "A", "B" and a space; line height 20; "AB" kerned by
// the given amount.
FontData makeFont(int32_t kerning = 0)
{
    FontData font;
    font.lineHeight = 20;
    font.base = 16;
    font.scaleW = 128;
    font.scaleH = 64;
    font.glyphs[65] = Glyph{0, 0, 10, 14, 1, 2, 12, 0};
    font.glyphs[66] = Glyph{16, 8, 9, 12, 0, 4, 11, 0};
    font.glyphs[32] = Glyph{40, 0, 0, 0, 0, 0, 6, 0};
    if (kerning != 0) font.kerning[{65, 66}] = kerning;
    return font;
}

} // namespace

TEST(TextLayout, GlyphQuadSitsBelowThePenWithFlippedV)
{
    const TextLayout layout = layoutText(makeFont(), "A");
    ASSERT_EQ(1u, layout.quads.size());
    const TextQuad& a = layout.quads[0];
    EXPECT_EQ(glm::vec2(1.0f, -16.0f), a.lowerLeft); // (xoffset, -yoffset - height)
    EXPECT_EQ(glm::vec2(11.0f, -2.0f), a.upperRight);
    EXPECT_EQ(glm::vec2(0.0f, 50.0f / 64.0f), a.texLowerLeft); // (scaleH - y - height) / scaleH
    EXPECT_EQ(glm::vec2(10.0f / 128.0f, 1.0f), a.texUpperRight);
    EXPECT_EQ(11, layout.width);
    EXPECT_EQ(20, layout.height);
}

TEST(TextLayout, KerningPairMovesTheSecondGlyphAndThePen)
{
    const TextLayout plain = layoutText(makeFont(), "AB A");
    const TextLayout kerned = layoutText(makeFont(-2), "AB A");
    ASSERT_EQ(3u, kerned.quads.size());
    EXPECT_EQ(plain.quads[0].lowerLeft, kerned.quads[0].lowerLeft);
    EXPECT_FLOAT_EQ(plain.quads[1].lowerLeft.x - 2.0f, kerned.quads[1].lowerLeft.x);
    EXPECT_FLOAT_EQ(plain.quads[2].lowerLeft.x - 2.0f, kerned.quads[2].lowerLeft.x) << "the pen ends 2 pixels earlier";
    EXPECT_EQ(plain.width - 2, kerned.width);
}

TEST(TextLayout, ByteWithoutGlyphKeepsTheKerningPairAndBytesAbove127FindNoGlyph)
{
    const TextLayout direct = layoutText(makeFont(-2), "AB");
    const TextLayout interrupted = layoutText(makeFont(-2), "A~B");
    ASSERT_EQ(2u, interrupted.quads.size());
    EXPECT_EQ(direct.quads[1].lowerLeft, interrupted.quads[1].lowerLeft);

    FontData font = makeFont();
    font.glyphs[200] = Glyph{0, 0, 5, 5, 0, 0, 5, 0};
    font.glyphs[-56] = Glyph{0, 0, 7, 7, 0, 0, 7, 0}; // 200 read as a signed byte
    const TextLayout high = layoutText(font, std::string(1, static_cast<char>(200)));
    ASSERT_EQ(1u, high.quads.size());
    EXPECT_EQ(7.0f, high.quads[0].upperRight.x);
}

TEST(TextLayout, LineFeedStartsALineOneLineHeightLowerAndKeepsKerning)
{
    const TextLayout layout = layoutText(makeFont(-2), "A\nB");
    ASSERT_EQ(2u, layout.quads.size());
    EXPECT_EQ(40, layout.height);
    // B: xoffset 0 plus the kerning of the pair (A, B); y one line lower.
    EXPECT_EQ(glm::vec2(-2.0f, -20.0f - 4.0f - 12.0f), layout.quads[1].lowerLeft);
    EXPECT_EQ(11, layout.width);

    const TextLayout lines = layoutText(makeFont(), "B\nAA\nB");
    EXPECT_EQ(23, lines.width) << "the rightmost edge of any line: A at 1..11, A at 13..23";
    EXPECT_EQ(60, lines.height);
}

TEST(TextLayout, SpacesTakeALineWithoutQuadsAndTheEmptyStringNone)
{
    const TextLayout spaces = layoutText(makeFont(), "   ");
    EXPECT_TRUE(spaces.quads.empty());
    EXPECT_EQ(0, spaces.width);
    EXPECT_EQ(20, spaces.height);
    const TextLayout empty = layoutText(makeFont(), "");
    EXPECT_TRUE(empty.quads.empty());
    EXPECT_EQ(0, empty.width);
    EXPECT_EQ(0, empty.height);
}

// A font file may hold any 32-bit metrics: the layout's sums and products of
// them must neither wrap around nor overflow.
TEST(TextLayout, ExtremeMetricsAndLineHeightsAddUpWithoutWrappingAround)
{
    constexpr int32_t maxMetric = std::numeric_limits<int32_t>::max();
    FontData font = makeFont(5);
    font.glyphs[66].xoffset = maxMetric;
    font.glyphs[66].xadvance = maxMetric;
    const TextLayout layout = layoutText(font, "ABA");
    ASSERT_EQ(3u, layout.quads.size());
    const float kernedMax = static_cast<float>(int64_t{maxMetric} + 5);
    // B: the pen after A (12) plus its xoffset and the kerning, as a positive sum.
    EXPECT_FLOAT_EQ(12.0f + kernedMax, layout.quads[1].lowerLeft.x);
    // The second A: the pen advanced by B's xadvance plus the kerning, then A's xoffset 1.
    EXPECT_FLOAT_EQ(12.0f + kernedMax + 1.0f, layout.quads[2].lowerLeft.x);
    EXPECT_EQ(maxMetric, layout.width) << "the right edge lies past the 32-bit range";

    font.lineHeight = maxMetric;
    EXPECT_EQ(maxMetric, layoutText(font, "A").height);
    EXPECT_EQ(maxMetric, layoutText(font, "A\nB").height) << "two huge lines saturate";
    font.lineHeight = std::numeric_limits<int32_t>::min();
    EXPECT_EQ(font.lineHeight, layoutText(font, "A\nB").height);

    // Texture coordinates of a glyph rectangle at the far corner keep their sign.
    font.glyphs[65] = Glyph{maxMetric, std::numeric_limits<int32_t>::min(), 1, 1, 0, 0, 1, 0};
    const TextQuad corner = layoutText(font, "A").quads.at(0);
    EXPECT_GT(corner.texUpperRight.x, 0.0f);
    EXPECT_GT(corner.texLowerLeft.y, 0.0f);
    EXPECT_GT(corner.texUpperRight.y, 0.0f);
}

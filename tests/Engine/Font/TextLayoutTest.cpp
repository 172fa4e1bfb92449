#include "Engine/Font/TextLayout.h"

#include <gtest/gtest.h>

using namespace Engine::GFX;

namespace {

Glyph makeGlyph(int32_t x, int32_t y, int32_t width, int32_t height, int32_t xoffset, int32_t yoffset,
                int32_t xadvance)
{
    return Glyph{x, y, width, height, xoffset, yoffset, xadvance, 0};
}

// A 128 x 64 page with "A", "B" and a space; line height 20.
FontData makeFont()
{
    FontData font;
    font.lineHeight = 20;
    font.base = 16;
    font.scaleW = 128;
    font.scaleH = 64;
    font.glyphs[65] = makeGlyph(0, 0, 10, 14, 1, 2, 12);
    font.glyphs[66] = makeGlyph(16, 8, 9, 12, 0, 4, 11);
    font.glyphs[32] = makeGlyph(40, 0, 0, 0, 0, 0, 6);
    return font;
}

FontData withKerning(int32_t amount)
{
    FontData font = makeFont();
    font.kerning[{65, 66}] = amount;
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
    EXPECT_FLOAT_EQ(0.0f, a.texLowerLeft.x);
    EXPECT_FLOAT_EQ(50.0f / 64.0f, a.texLowerLeft.y); // (scaleH - y - height) / scaleH
    EXPECT_FLOAT_EQ(10.0f / 128.0f, a.texUpperRight.x);
    EXPECT_FLOAT_EQ(1.0f, a.texUpperRight.y);
    EXPECT_EQ(11, layout.width);
    EXPECT_EQ(20, layout.height);
}

TEST(TextLayout, KerningPairMovesTheSecondGlyphAndThePen)
{
    const TextLayout plain = layoutText(makeFont(), "AB ");
    const TextLayout kerned = layoutText(withKerning(-2), "AB ");
    ASSERT_EQ(2u, kerned.quads.size());
    EXPECT_EQ(plain.quads[0].lowerLeft, kerned.quads[0].lowerLeft);
    EXPECT_FLOAT_EQ(plain.quads[1].lowerLeft.x - 2.0f, kerned.quads[1].lowerLeft.x);
    EXPECT_EQ(plain.width - 2, kerned.width);
    // The pen ends 2 pixels earlier: a glyph after the space shows it.
    const TextLayout plainNext = layoutText(makeFont(), "AB A");
    const TextLayout kernedNext = layoutText(withKerning(-2), "AB A");
    EXPECT_FLOAT_EQ(plainNext.quads[2].lowerLeft.x - 2.0f, kernedNext.quads[2].lowerLeft.x);
}

TEST(TextLayout, LineFeedStartsALineOneLineHeightLowerAndKeepsKerning)
{
    const TextLayout layout = layoutText(withKerning(-2), "A\nB");
    ASSERT_EQ(2u, layout.quads.size());
    EXPECT_EQ(40, layout.height);
    // B: xoffset 0 plus the kerning of the pair (A, B); y one line lower.
    EXPECT_EQ(glm::vec2(-2.0f, -20.0f - 4.0f - 12.0f), layout.quads[1].lowerLeft);
    EXPECT_EQ(11, layout.width);
}

TEST(TextLayout, SpacesAdvanceWithoutQuads)
{
    const TextLayout layout = layoutText(makeFont(), "   ");
    EXPECT_TRUE(layout.quads.empty());
    EXPECT_EQ(0, layout.width);
    EXPECT_EQ(20, layout.height);
}

TEST(TextLayout, EmptyStringHasNoSize)
{
    const TextLayout layout = layoutText(makeFont(), "");
    EXPECT_TRUE(layout.quads.empty());
    EXPECT_EQ(0, layout.width);
    EXPECT_EQ(0, layout.height);
}

TEST(TextLayout, ByteWithoutGlyphKeepsTheKerningPair)
{
    const TextLayout direct = layoutText(withKerning(-2), "AB");
    const TextLayout interrupted = layoutText(withKerning(-2), "A~B");
    ASSERT_EQ(2u, interrupted.quads.size());
    EXPECT_EQ(direct.quads[1].lowerLeft, interrupted.quads[1].lowerLeft);
}

TEST(TextLayout, BytesAbove127FindNoGlyph)
{
    FontData font = makeFont();
    font.glyphs[200] = makeGlyph(0, 0, 5, 5, 0, 0, 5);
    font.glyphs[-56] = makeGlyph(0, 0, 7, 7, 0, 0, 7); // 200 read as a signed byte
    const TextLayout layout = layoutText(font, std::string(1, static_cast<char>(200)));
    ASSERT_EQ(1u, layout.quads.size());
    EXPECT_EQ(7.0f, layout.quads[0].upperRight.x);
}

TEST(TextLayout, WidthIsTheRightmostEdgeOfAnyLine)
{
    const TextLayout layout = layoutText(makeFont(), "B\nAA\nB");
    // Second line: A at 1..11, A at 13..23.
    EXPECT_EQ(23, layout.width);
    EXPECT_EQ(60, layout.height);
}

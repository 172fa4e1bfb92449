#include <cstdint>
#include <memory>
#include <string>

#include <FreeImage.h>
#include <gtest/gtest.h>

#include "Engine/Font/FontReader.h"
#include "Engine/Font/TextLayout.h"
#include "tests/tools/datagen/character/GeneratedData.h"

using namespace Engine::GFX;

namespace {

constexpr int32_t firstPrintable = 32;
constexpr int32_t lastPrintable = 126;

using Image = std::unique_ptr<FIBITMAP, void (*)(FIBITMAP*)>;

class BakedFont : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        font = new FontData(FontReader::readFileChecked(generatedDataDir() + "fonts/engine_font.fnt"));
    }
    static void TearDownTestSuite() { delete font; }

    static Image loadPage()
    {
        const std::string path = generatedDataDir() + "fonts/" + font->pages.at(0);
        return Image(FreeImage_Load(FIF_PNG, path.c_str(), PNG_DEFAULT), FreeImage_Unload);
    }

    // Pixel (x, y) with y counted from the image's top row, as glyph rectangles are.
    static RGBQUAD pixel(FIBITMAP* page, int x, int y)
    {
        RGBQUAD colour{};
        FreeImage_GetPixelColor(page, x, FreeImage_GetHeight(page) - 1 - y, &colour);
        return colour;
    }

    static bool insideAGlyph(int x, int y)
    {
        for (const auto& [id, g] : font->glyphs) {
            if (x >= g.x && x < g.x + g.width && y >= g.y && y < g.y + g.height) {
                return true;
            }
        }
        return false;
    }

    static FontData* font;
};

FontData* BakedFont::font = nullptr;

} // namespace

TEST_F(BakedFont, HasEveryPrintableGlyphInsideItsPage)
{
    for (int32_t id = firstPrintable; id <= lastPrintable; ++id) {
        ASSERT_EQ(1u, font->glyphs.count(id)) << id;
        const Glyph& g = font->glyphs.at(id);
        EXPECT_GE(g.x, 0) << id;
        EXPECT_GE(g.y, 0) << id;
        EXPECT_LE(g.x + g.width, font->scaleW) << id;
        EXPECT_LE(g.y + g.height, font->scaleH) << id;
        EXPECT_GT(g.xadvance, 0) << id;
        EXPECT_EQ(0, g.page) << id;
    }
}

TEST_F(BakedFont, PageImageMatchesTheDescription)
{
    const Image page = loadPage();
    ASSERT_TRUE(page);
    EXPECT_EQ(32u, FreeImage_GetBPP(page.get()));
    EXPECT_EQ(static_cast<unsigned>(font->scaleW), FreeImage_GetWidth(page.get()));
    EXPECT_EQ(static_cast<unsigned>(font->scaleH), FreeImage_GetHeight(page.get()));
}

TEST_F(BakedFont, GlyphsAreWhiteCoverageOnATransparentPage)
{
    const Image page = loadPage();
    ASSERT_TRUE(page);
    for (int y = 0; y < font->scaleH; ++y) {
        for (int x = 0; x < font->scaleW; ++x) {
            const RGBQUAD colour = pixel(page.get(), x, y);
            ASSERT_EQ(255, colour.rgbRed);
            if (colour.rgbReserved != 0) {
                ASSERT_TRUE(insideAGlyph(x, y)) << "stray coverage at " << x << ", " << y;
            }
        }
    }
}

TEST_F(BakedFont, EveryVisibleGlyphHasCoverage)
{
    const Image page = loadPage();
    ASSERT_TRUE(page);
    for (int32_t id = firstPrintable + 1; id <= lastPrintable; ++id) {
        const Glyph& g = font->glyphs.at(id);
        int maximum = 0;
        for (int y = g.y; y < g.y + g.height; ++y) {
            for (int x = g.x; x < g.x + g.width; ++x) {
                maximum = std::max<int>(maximum, pixel(page.get(), x, y).rgbReserved);
            }
        }
        EXPECT_GT(maximum, 200) << "glyph " << id;
    }
}

TEST_F(BakedFont, CarriesTheFontsKerningPairs)
{
    ASSERT_FALSE(font->kerning.empty());
    bool tightens = false;
    for (const auto& [pair, amount] : font->kerning) {
        EXPECT_GE(pair.first, firstPrintable);
        EXPECT_LE(pair.second, lastPrintable);
        EXPECT_NE(0, amount);
        tightens = tightens || amount < 0;
    }
    EXPECT_TRUE(tightens);
}

TEST_F(BakedFont, LinesReadWellAtOneFontPixelPerScreenPixel)
{
    // Texts are drawn unscaled on a 1280 x 720 window: a line of 20 to 36
    // pixels, and the speed read-out takes a small part of the width.
    EXPECT_GE(font->lineHeight, 20);
    EXPECT_LE(font->lineHeight, 36);
    EXPECT_LE(font->base, font->lineHeight);
    const TextLayout speed = layoutText(*font, "Speed: 120 km/h");
    EXPECT_GT(speed.width, 100);
    EXPECT_LT(speed.width, 320);
    for (const TextQuad& quad : layoutText(*font, "Agj|").quads) {
        EXPECT_LE(quad.upperRight.y, 0.0f); // glyphs hang below the line's top
        EXPECT_GE(quad.lowerLeft.y, static_cast<float>(-font->lineHeight));
    }
}

#include <algorithm>
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include <FreeImage.h>
#include <gtest/gtest.h>

#include "Engine/Font/FontReader.h"
#include "Engine/Font/TextLayout.h"
#include "tests/tools/datagen/character/GeneratedData.h"

using namespace Engine::GFX;

namespace {

constexpr int32_t firstPrintable = 32;
constexpr int32_t lastPrintable = 126;

class BakedFont : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        font = std::make_unique<FontData>(FontReader::readFileChecked(generatedDataDir() + "fonts/engine_font.fnt"));
    }
    static void TearDownTestSuite() { font.reset(); }

    static std::unique_ptr<FontData> font;
};

std::unique_ptr<FontData> BakedFont::font;

} // namespace

TEST_F(BakedFont, HasEveryPrintableGlyphInsideItsPage)
{
    for (int32_t id = firstPrintable; id <= lastPrintable; ++id) {
        ASSERT_EQ(1u, font->glyphs.count(id)) << id;
        const Glyph& g = font->glyphs.at(id);
        EXPECT_GE(std::min(g.x, g.y), 0) << id;
        EXPECT_LE(g.x + g.width, font->scaleW) << id;
        EXPECT_LE(g.y + g.height, font->scaleH) << id;
        EXPECT_GT(g.xadvance, 0) << id;
        EXPECT_EQ(0, g.page) << id;
    }
}

// White texels whose alpha is the coverage: only inside glyph rectangles,
// and every glyph but the space has some.
TEST_F(BakedFont, PageIsWhiteCoverageInsideTheGlyphsOnly)
{
    const std::string path = generatedDataDir() + "fonts/" + font->pages.at(0);
    const std::unique_ptr<FIBITMAP, void (*)(FIBITMAP*)> page(FreeImage_Load(FIF_PNG, path.c_str(), PNG_DEFAULT),
                                                             FreeImage_Unload);
    ASSERT_TRUE(page);
    ASSERT_EQ(32u, FreeImage_GetBPP(page.get()));
    ASSERT_EQ(static_cast<unsigned>(font->scaleW), FreeImage_GetWidth(page.get()));
    ASSERT_EQ(static_cast<unsigned>(font->scaleH), FreeImage_GetHeight(page.get()));
    // Glyph rectangles count y from the image's top row.
    std::vector<int> owner(font->scaleW * font->scaleH, 0);
    for (const auto& [id, g] : font->glyphs) {
        for (int y = g.y; y < g.y + g.height; ++y) {
            for (int x = g.x; x < g.x + g.width; ++x) owner[y * font->scaleW + x] = id;
        }
    }
    std::map<int, int> strongest;
    for (int y = 0; y < font->scaleH; ++y) {
        for (int x = 0; x < font->scaleW; ++x) {
            RGBQUAD colour{};
            FreeImage_GetPixelColor(page.get(), x, font->scaleH - 1 - y, &colour);
            ASSERT_EQ(255, colour.rgbRed);
            const int id = owner[y * font->scaleW + x];
            ASSERT_TRUE(colour.rgbReserved == 0 || id != 0) << "stray coverage at " << x << ", " << y;
            strongest[id] = std::max<int>(strongest[id], colour.rgbReserved);
        }
    }
    for (int32_t id = firstPrintable + 1; id <= lastPrintable; ++id) EXPECT_GT(strongest[id], 200) << "glyph " << id;
}

TEST_F(BakedFont, CarriesTheFontsKerningPairsAndReadsWellUnscaled)
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

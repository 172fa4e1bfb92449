#include "Engine/Font/FontReader.h"
#include "Engine/Font/TextLayout.h"
#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

using namespace Engine::GFX;

std::vector<int32_t> fields(const Glyph& g)
{
    return {g.x, g.y, g.width, g.height, g.xoffset, g.yoffset, g.xadvance, g.page};
}

TEST(FontReader, ReadsTheUsedLinesKeepingFirstEntriesAndZeroForMissingKeys)
{
    const FontData font = FontReader::parseLines({
        "info face=\"Sans\" size=x",
        "common lineHeight=28 base=22 scaleW=256 scaleH=128 LineHeight=30",
        "page id=0 file=\"font.png\"",
        "char id=65 x=10 y=20 width=12 height=16 xoffset=-1 yoffset=6 xadvance=15 page=2 chnl=abc",
        "char   xadvance=9px id=+66  width= =4 junk",
        "char id=65 x=99",
        "Char id=67",
        "kerning first=65 second=86 amount=-2",
        "kerning first=65 second=86 amount=5",
    });
    EXPECT_EQ((std::vector<int32_t>{font.lineHeight, font.base, font.scaleW, font.scaleH}),
              (std::vector<int32_t>{28, 22, 256, 128}));
    EXPECT_EQ(font.pages.at(0), "font.png");
    EXPECT_EQ(fields(font.glyphs.at(65)), (std::vector<int32_t>{10, 20, 12, 16, -1, 6, 15, 2}));
    EXPECT_EQ(fields(font.glyphs.at(66)), (std::vector<int32_t>{0, 0, 0, 0, 0, 0, 9, 0}));
    EXPECT_EQ(font.glyphs.count(67), 0u);
    EXPECT_EQ(font.kerning.at({65, 86}), -2);
}

TEST(FontReader, BadNumbersAreRejectedNamingFileLineKeyAndValue)
{
    const TestFiles::TempDir dir;
    const std::string path = dir.path("bad.fnt");
    const std::pair<std::string, std::string> cases[] = {
        {"common lineHeight=20\n\nchar id=65\nchar id=x\n", ": line 4: bad number 'x' for key 'id'"},
        {"kerning first=1 second=2 amount=4294967296\n", ": line 1: number '4294967296' out of range for key 'amount'"},
        {"char id=\rx\n", ": line 1: bad number '\\x0dx' for key 'id'"},
        {"common lineHeight=20\r\npage id=0 file=\"p.png\"\r\n", "accepted"},
    };
    for (const auto& [text, problem] : cases) {
        TestFiles::writeText(path, text);
        EXPECT_EQ(TestFiles::rejection(FontReader::readFileChecked, path), problem == "accepted" ? problem : path + problem);
    }
    EXPECT_EQ(FontReader::readFileChecked(path).pages.at(0), "p.png") << "carriage returns are dropped";
    EXPECT_THROW(FontReader::parseLines({"char id=x"}), std::invalid_argument);
}

// A 128 x 64 page with "A", "B" and a space; line height 20; "AB" kerned.
FontData font(int32_t kerning)
{
    FontData f;
    f.lineHeight = 20;
    f.scaleW = 128;
    f.scaleH = 64;
    f.glyphs[65] = Glyph{0, 0, 10, 14, 1, 2, 12, 0};
    f.glyphs[66] = Glyph{16, 8, 9, 12, 0, 4, 11, 0};
    f.glyphs[32] = Glyph{40, 0, 0, 0, 0, 0, 6, 0};
    if (kerning != 0) f.kerning[{65, 66}] = kerning;
    return f;
}

TEST(TextLayout, GlyphsFollowThePenWithKerningAndLineFeedsStartALowerLine)
{
    const struct {
        std::string text;
        int32_t kerning;
        std::vector<glm::vec2> lowerLefts;
        int32_t width, height;
    } cases[] = {
        {"A", 0, {{1, -16}}, 11, 20},
        {"AB A", 0, {{1, -16}, {12, -16}, {30, -16}}, 40, 20},
        {"AB A", -2, {{1, -16}, {10, -16}, {28, -16}}, 38, 20},
        {"A~B", -2, {{1, -16}, {10, -16}}, 19, 20}, // a byte without glyph keeps the pair
        {"A\nB", -2, {{1, -16}, {-2, -36}}, 11, 40},
        {"B\nAA\nB", 0, {{0, -16}, {1, -36}, {13, -36}, {0, -56}}, 23, 60},
        {"  ", 0, {}, 0, 20},
        {"", 0, {}, 0, 0},
        {std::string(1, char(200)), 0, {}, 0, 20},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.text) + " kerning " + std::to_string(c.kerning));
        const TextLayout layout = layoutText(font(c.kerning), c.text);
        ASSERT_EQ(layout.quads.size(), c.lowerLefts.size());
        for (std::size_t i = 0; i < c.lowerLefts.size(); ++i) EXPECT_EQ(layout.quads[i].lowerLeft, c.lowerLefts[i]) << i;
        EXPECT_EQ(std::make_pair(layout.width, layout.height), std::make_pair(c.width, c.height));
    }
    const TextQuad a = layoutText(font(0), "A").quads.at(0);
    EXPECT_EQ(a.upperRight, glm::vec2(11, -2));
    EXPECT_EQ(a.texLowerLeft, glm::vec2(0, 50.0f / 64)) << "v counts from the page's bottom row";
    EXPECT_EQ(a.texUpperRight, glm::vec2(10.0f / 128, 1));
}

TEST(TextLayout, ExtremeMetricsSaturateInsteadOfWrappingAround)
{
    constexpr int32_t maxMetric = std::numeric_limits<int32_t>::max();
    FontData huge = font(5);
    huge.glyphs[66].xoffset = huge.glyphs[66].xadvance = maxMetric;
    EXPECT_EQ(layoutText(huge, "ABA").width, maxMetric);
    EXPECT_FLOAT_EQ(layoutText(huge, "AB").quads.at(1).lowerLeft.x, 12.0f + float(int64_t{maxMetric} + 5));
    huge.lineHeight = maxMetric;
    EXPECT_EQ(layoutText(huge, "A\nB").height, maxMetric);
}

} // namespace

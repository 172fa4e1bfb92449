#include "Engine/Font/FontReader.h"

#include <cstdio>
#include <fstream>
#include <stdexcept>

#include <gtest/gtest.h>

#include "Engine/Base/DataFileError.h"

using namespace Engine::GFX;

namespace {

std::vector<int32_t> fields(const Glyph& g)
{
    return {g.x, g.y, g.width, g.height, g.xoffset, g.yoffset, g.xadvance, g.page};
}

std::string writeFontFile(const std::string& name, const std::string& text)
{
    const std::string path = ::testing::TempDir() + "font_test_" + name;
    std::ofstream(path, std::ios::binary) << text;
    return path;
}

} // namespace

TEST(FontParse, ReadsCommonPageCharAndKerningLines)
{
    const FontData font = FontReader::parseLines({
        "info face=\"Sans\" size=24",
        "common lineHeight=28 base=22 scaleW=256 scaleH=128 pages=1",
        "page id=0 file=\"font.png\"",
        "char id=65 x=10 y=20 width=12 height=16 xoffset=-1 yoffset=6 xadvance=15 page=2 chnl=15",
        "kerning first=65 second=86 amount=-2",
    });
    EXPECT_EQ((std::vector<int32_t>{28, 22, 256, 128}),
              (std::vector<int32_t>{font.lineHeight, font.base, font.scaleW, font.scaleH}));
    EXPECT_EQ("font.png", font.pages.at(0));
    EXPECT_EQ((std::vector<int32_t>{10, 20, 12, 16, -1, 6, 15, 2}), fields(font.glyphs.at(65)));
    EXPECT_EQ(-2, font.kerning.at({65, 86}));
}

TEST(FontParse, SplitsAtEverySpaceWithCaseSensitiveTagsKeysAndStoiNumbers)
{
    const FontData font = FontReader::parseLines({"char   xadvance=9px id=+66  width= =4 junk height=3=7 yoffset=-3  ",
                                                  "Char id=65", "common LineHeight=30 lineheight=31"});
    ASSERT_EQ(1u, font.glyphs.size());
    const Glyph& b = font.glyphs.at(66);
    EXPECT_EQ(9, b.xadvance);
    EXPECT_EQ(0, b.width) << "tokens without both sides are ignored";
    EXPECT_EQ(3, b.height);
    EXPECT_EQ(-3, b.yoffset);
    EXPECT_EQ(0, font.lineHeight);
}

TEST(FontParse, MissingKeysCountAsZeroButEntriesNeedTheirIdFileOrAmountAndPageQuotesGoEvenWhenLone)
{
    const FontData font = FontReader::parseLines({"char id=70 width=5", "kerning second=70 amount=3",
                                                  "page id=1 file=\"b.png", "page id=2 file=c.png\""});
    EXPECT_EQ((std::vector<int32_t>{0, 0, 5, 0, 0, 0, 0, 0}), fields(font.glyphs.at(70)));
    EXPECT_EQ(3, font.kerning.at({0, 70}));
    EXPECT_EQ("b.png", font.pages.at(1));
    EXPECT_EQ("c.png", font.pages.at(2));

    const FontData dropped = FontReader::parseLines(
        {"char x=4 width=5", "kerning first=1 second=2", "page file=\"x.png\"", "page id=3 file=\"\"", "page id=4"});
    EXPECT_TRUE(dropped.glyphs.empty());
    EXPECT_TRUE(dropped.kerning.empty());
    EXPECT_TRUE(dropped.pages.empty());
}

TEST(FontParse, RepeatedIdsAndPairsKeepTheFirstEntry)
{
    const FontData font = FontReader::parseLines({"char id=65 xadvance=10", "char id=65 xadvance=99",
                                                  "kerning first=1 second=2 amount=-1",
                                                  "kerning first=1 second=2 amount=-7", "page id=0 file=a.png",
                                                  "page id=0 file=b.png"});
    EXPECT_EQ(10, font.glyphs.at(65).xadvance);
    EXPECT_EQ(-1, font.kerning.at({1, 2}));
    EXPECT_EQ("a.png", font.pages.at(0));
}

TEST(FontParse, MalformedNumbersOfUsedKeysRaiseTheStandardErrors)
{
    EXPECT_THROW(FontReader::parseLines({"char id=x"}), std::invalid_argument);
    EXPECT_THROW(FontReader::parseLines({"common lineHeight=99999999999"}), std::out_of_range);
    EXPECT_NO_THROW(FontReader::parseLines({"info face=Sans size=x", "char id=1 chnl=abc"}));
}

TEST(FontFile, MissingFileGivesAnEmptyFontAndCarriageReturnsAreDropped)
{
    const std::string missing = ::testing::TempDir() + "font_test_missing.fnt";
    std::remove(missing.c_str());
    EXPECT_TRUE(FontReader::readFile(missing).glyphs.empty());
    EXPECT_TRUE(FontReader::readFileChecked(missing).glyphs.empty());

    const std::string path = writeFontFile("crlf.fnt", "common lineHeight=20\r\npage id=0 file=\"p.png\"\r\n");
    for (const FontData& font : {FontReader::readFile(path), FontReader::readFileChecked(path)}) {
        EXPECT_EQ(20, font.lineHeight);
        EXPECT_EQ("p.png", font.pages.at(0));
    }
}

TEST(FontFileChecked, BadNumbersNameFileLineKeyAndValueOnOneLine)
{
    const std::pair<const char*, const char*> rows[] = {
        {"common lineHeight=20\n\nchar id=65\nchar id=66\nchar id=x\n", ": line 5: bad number 'x' for key 'id'"},
        {"kerning first=1 second=2 amount=4294967296\n", ": line 1: number '4294967296' out of range for key 'amount'"},
        // A carriage return inside a line stays in the value; stoi skips it as space.
        {"char id=\rx\n", ": line 1: bad number '\\x0dx' for key 'id'"},
    };
    const std::string path = ::testing::TempDir() + "font_test_bad.fnt";
    for (const auto& [text, message] : rows) {
        writeFontFile("bad.fnt", text);
        try {
            FontReader::readFileChecked(path);
            ADD_FAILURE() << "accepted: " << text;
        } catch (const Engine::DataFileError& error) {
            EXPECT_EQ(path + message, error.what());
        }
    }
}

#include "Engine/Font/FontReader.h"

#include <cstdio>
#include <fstream>
#include <stdexcept>

#include <gtest/gtest.h>

#include "Engine/Core/DataFileError.h"

using namespace Engine::GFX;

namespace {

std::string writeFontFile(const std::string& name, const std::string& text)
{
    const std::string path = ::testing::TempDir() + "font_test_" + name;
    std::ofstream(path, std::ios::binary) << text;
    return path;
}

std::string checkedError(const std::string& path)
{
    try {
        FontReader::readFileChecked(path);
    } catch (const Engine::DataFileError& error) {
        return error.what();
    }
    ADD_FAILURE() << "the font was accepted";
    return {};
}

} // namespace

TEST(FontParse, ReadsCommonPageCharAndKerningLines)
{
    const FontData font = FontReader::parseLines({
        "info face=\"Sans\" size=24",
        "common lineHeight=28 base=22 scaleW=256 scaleH=128 pages=1",
        "page id=0 file=\"font.png\"",
        "char id=65 x=10 y=20 width=12 height=16 xoffset=-1 yoffset=6 xadvance=15 page=0 chnl=15",
        "kerning first=65 second=86 amount=-2",
    });
    EXPECT_EQ(28, font.lineHeight);
    EXPECT_EQ(22, font.base);
    EXPECT_EQ(256, font.scaleW);
    EXPECT_EQ(128, font.scaleH);
    EXPECT_EQ("font.png", font.pages.at(0));
    const Glyph& a = font.glyphs.at(65);
    EXPECT_EQ(10, a.x);
    EXPECT_EQ(20, a.y);
    EXPECT_EQ(12, a.width);
    EXPECT_EQ(16, a.height);
    EXPECT_EQ(-1, a.xoffset);
    EXPECT_EQ(6, a.yoffset);
    EXPECT_EQ(15, a.xadvance);
    EXPECT_EQ(-2, font.kerning.at({65, 86}));
}

TEST(FontParse, SplitsAtEverySpaceAndIgnoresTokensWithoutBothSides)
{
    const FontData font = FontReader::parseLines({"char   xadvance=9 id=66  width= =4 junk height=3=7   "});
    const Glyph& b = font.glyphs.at(66);
    EXPECT_EQ(9, b.xadvance);
    EXPECT_EQ(0, b.width);
    EXPECT_EQ(3, b.height);
}

TEST(FontParse, QuotesAroundPageFilesAreRemovedEvenWhenLone)
{
    const FontData font =
        FontReader::parseLines({"page id=0 file=\"a.png\"", "page id=1 file=\"b.png", "page id=2 file=c.png\""});
    EXPECT_EQ("a.png", font.pages.at(0));
    EXPECT_EQ("b.png", font.pages.at(1));
    EXPECT_EQ("c.png", font.pages.at(2));
}

TEST(FontParse, PagesNeedAnIdAndAFileName)
{
    const FontData font = FontReader::parseLines({"page file=\"x.png\"", "page id=3 file=\"\"", "page id=4"});
    EXPECT_TRUE(font.pages.empty());
}

TEST(FontParse, MissingKeysCountAsZero)
{
    const FontData font = FontReader::parseLines({"char id=70 width=5", "kerning second=70 amount=3"});
    const Glyph& f = font.glyphs.at(70);
    EXPECT_EQ(0, f.x);
    EXPECT_EQ(0, f.xadvance);
    EXPECT_EQ(3, font.kerning.at({0, 70}));
}

TEST(FontParse, EntriesNeedTheirIdOrAmount)
{
    const FontData font = FontReader::parseLines({"char x=4 width=5", "kerning first=1 second=2"});
    EXPECT_TRUE(font.glyphs.empty());
    EXPECT_TRUE(font.kerning.empty());
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

TEST(FontParse, TagsAndKeysAreCaseSensitive)
{
    const FontData font = FontReader::parseLines({"Char id=65", "common LineHeight=30 lineheight=31"});
    EXPECT_TRUE(font.glyphs.empty());
    EXPECT_EQ(0, font.lineHeight);
}

TEST(FontParse, NumbersAreReadLikeStoi)
{
    const FontData font = FontReader::parseLines({"char id=+65 xadvance=12px yoffset=-3"});
    const Glyph& a = font.glyphs.at(65);
    EXPECT_EQ(12, a.xadvance);
    EXPECT_EQ(-3, a.yoffset);
}

TEST(FontParse, MalformedNumbersRaiseTheStandardErrors)
{
    EXPECT_THROW(FontReader::parseLines({"char id=x"}), std::invalid_argument);
    EXPECT_THROW(FontReader::parseLines({"common lineHeight=99999999999"}), std::out_of_range);
}

TEST(FontParse, IgnoredKeysAreNotConverted)
{
    EXPECT_NO_THROW(FontReader::parseLines({"info face=Sans size=x", "char id=1 chnl=abc"}));
}

TEST(FontFile, MissingFileGivesAnEmptyFont)
{
    const std::string path = ::testing::TempDir() + "font_test_missing.fnt";
    std::remove(path.c_str());
    const FontData font = FontReader::readFile(path);
    EXPECT_TRUE(font.glyphs.empty());
    EXPECT_TRUE(font.pages.empty());
    EXPECT_TRUE(FontReader::readFileChecked(path).glyphs.empty());
}

TEST(FontFile, ReadsLinesEndingInCarriageReturns)
{
    const FontData font =
        FontReader::readFile(writeFontFile("crlf.fnt", "common lineHeight=20\r\npage id=0 file=\"p.png\"\r\n"));
    EXPECT_EQ(20, font.lineHeight);
    EXPECT_EQ("p.png", font.pages.at(0));
}

TEST(FontFileChecked, BadNumberNamesFileLineKeyAndValue)
{
    const std::string path = writeFontFile("bad.fnt", "common lineHeight=20\n\nchar id=65\nchar id=66\nchar id=x\n");
    EXPECT_EQ(path + ": line 5: bad number 'x' for key 'id'", checkedError(path));
}

TEST(FontFileChecked, OutOfRangeNumberNamesFileLineKeyAndValue)
{
    const std::string path = writeFontFile("range.fnt", "kerning first=1 second=2 amount=4294967296\n");
    EXPECT_EQ(path + ": line 1: number '4294967296' out of range for key 'amount'", checkedError(path));
}

TEST(FontFileChecked, ControlBytesOfABadValueAreEscapedInTheOneLineMessage)
{
    // A carriage return inside a line stays in the value; stoi skips it as space.
    const std::string path = writeFontFile("control.fnt", "char id=\rx\n");
    EXPECT_EQ(path + ": line 1: bad number '\\x0dx' for key 'id'", checkedError(path));
}

TEST(FontFileChecked, ReadsAWellFormedFileLikeTheRawReader)
{
    const std::string path = writeFontFile("good.fnt", "common lineHeight=20 scaleW=64\nchar id=65 xadvance=7\n");
    const FontData raw = FontReader::readFile(path);
    const FontData checked = FontReader::readFileChecked(path);
    EXPECT_EQ(raw.lineHeight, checked.lineHeight);
    EXPECT_EQ(raw.scaleW, checked.scaleW);
    EXPECT_EQ(raw.glyphs.at(65).xadvance, checked.glyphs.at(65).xadvance);
}

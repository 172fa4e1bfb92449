#include "Engine/Config/IniReader.h"

#include "tests/Engine/Config/TempFile.h"

#include <gtest/gtest.h>

namespace {

// The unnamed section of the parsed lines (which must exist).
IniSectionData unnamed(const std::vector<std::string>& lines)
{
    const IniData ini = parseIniLines(lines);
    EXPECT_TRUE(ini.hasSection(""));
    return ini.hasSection("") ? ini.getSection("") : IniSectionData{};
}

} // namespace

TEST(IniReaderTyping, QuotedTextIsAStringWithoutItsQuotes)
{
    const IniSectionData section = unnamed({"shaderVert = \"basic.vert\"", "spaced = \" a b \""});
    EXPECT_EQ(section.getString("shaderVert"), "basic.vert");
    EXPECT_EQ(section.getString("spaced"), " a b ");
}

TEST(IniReaderTyping, TwoQuotesAreTheEmptyString)
{
    const IniSectionData section = unnamed({"name = \"\""});
    ASSERT_TRUE(section.hasString("name"));
    EXPECT_EQ(section.getString("name"), "");
}

TEST(IniReaderTyping, OnlyLowerCaseTrueAndFalseAreBooleans)
{
    const IniData ini = parseIniLines({"on = true", "off = false", "fullscreen = True", "up = TRUE"});
    const IniSectionData& section = ini.getSection("");
    EXPECT_TRUE(section.getBool("on"));
    EXPECT_FALSE(section.getBool("off"));
    EXPECT_EQ(section.keys().count("fullscreen"), 0u);
    EXPECT_EQ(section.keys().count("up"), 0u);
}

TEST(IniReaderTyping, NumbersReadTheLongestValidPrefix)
{
    const IniSectionData section = unnamed(
        {"a = 1.5.2", "b = 1+2", "c = .", "d = -1", "e = 1.9", "f = +3", "g = 1280"});
    EXPECT_FLOAT_EQ(section.getFloat("a"), 1.5f);
    EXPECT_FLOAT_EQ(section.getFloat("b"), 1.0f);
    EXPECT_FLOAT_EQ(section.getFloat("c"), 0.0f);
    EXPECT_FLOAT_EQ(section.getFloat("d"), -1.0f);
    EXPECT_FLOAT_EQ(section.getFloat("e"), 1.9f);
    EXPECT_FLOAT_EQ(section.getFloat("f"), 3.0f);
    EXPECT_FLOAT_EQ(section.getFloat("g"), 1280.0f);
}

TEST(IniReaderTyping, UntypableValuesSkipTheLine)
{
    const IniData ini = parseIniLines({"width = 1920 # note", "exp = 1e3", "inner = 1 2", "minus = 1-2",
                                       "word = yes", "quote = \"", "half = \"open"});
    EXPECT_FALSE(ini.hasSection(""));
}

TEST(IniReaderSplitting, QuotedTextHoldingAnEqualsSignIsSkipped)
{
    const IniData ini = parseIniLines({"text = \"a=b\""});
    EXPECT_FALSE(ini.hasSection(""));
}

TEST(IniReaderSplitting, EmptyPiecesAroundEqualsSignsAreDropped)
{
    // a==b is the key a with value b; =b and a= have one piece and are
    // neither headers nor pairs; a=1=2 keeps the second piece.
    const IniSectionData section = unnamed({"a==2", "=3", "b=", "c=1=2", "===", ""});
    EXPECT_FLOAT_EQ(section.getFloat("a"), 2.0f);
    EXPECT_FLOAT_EQ(section.getFloat("c"), 1.0f);
    EXPECT_EQ(section.keys(), (std::set<std::string>{"a", "c"}));
}

TEST(IniReaderSplitting, KeyMayBeEmptyWhenItIsWhiteSpace)
{
    const IniSectionData section = unnamed({"  = 5"});
    EXPECT_FLOAT_EQ(section.getFloat(""), 5.0f);
}

TEST(IniReaderSplitting, EmptyValueAfterTrimmingSkipsTheLine)
{
    const IniData ini = parseIniLines({"key =   \t"});
    EXPECT_FALSE(ini.hasSection(""));
}

TEST(IniReaderSections, HeaderNameIsTheUntrimmedTextBetweenBrackets)
{
    const IniData ini = parseIniLines({"  [ a ]  ", "k = 1"});
    EXPECT_TRUE(ini.hasSection(" a "));
    EXPECT_FALSE(ini.hasSection("a"));
}

TEST(IniReaderSections, KeysAfterAHeaderAreNotInTheUnnamedSection)
{
    const IniData ini = parseIniLines({"vsync = 1", "[window]", "fullscreen = true"});
    EXPECT_FALSE(ini.getSection("").hasBool("fullscreen"));
    EXPECT_TRUE(ini.getSection("window").getBool("fullscreen"));
}

TEST(IniReaderSections, AHeaderAloneCreatesNoSection)
{
    const IniData ini = parseIniLines({"[empty]", "[used]", "k = true"});
    EXPECT_FALSE(ini.hasSection("empty"));
    EXPECT_TRUE(ini.hasSection("used"));
}

TEST(IniReaderSections, RepeatedHeaderContinuesTheSection)
{
    const IniData ini = parseIniLines({"[s]", "a = 1", "[t]", "b = 2", "[s]", "c = 3"});
    EXPECT_EQ(ini.getSection("s").keys(), (std::set<std::string>{"a", "c"}));
}

TEST(IniReaderSections, SingleBracketOrStrayTextIsIgnored)
{
    const IniData ini = parseIniLines({"[", "]", "# comment", "[x", "k = 1"});
    EXPECT_EQ(ini.sections().size(), 1u);
    EXPECT_TRUE(ini.getSection("").hasFloat("k"));
}

TEST(IniReaderPrecedence, RepeatedKeyOfTheSameTypeKeepsTheLastValue)
{
    const IniSectionData section = unnamed({"vsync = 0", "vsync = 1", "name = \"a\"", "name = \"b\""});
    EXPECT_FLOAT_EQ(section.getFloat("vsync"), 1.0f);
    EXPECT_EQ(section.getString("name"), "b");
}

TEST(IniReaderPrecedence, FirstTypeOfAKeyWins)
{
    const IniSectionData section = unnamed({"vsync = 1", "vsync = true", "vsync = \"on\""});
    EXPECT_FLOAT_EQ(section.getFloat("vsync"), 1.0f);
    EXPECT_FALSE(section.hasBool("vsync"));
    EXPECT_FALSE(section.hasString("vsync"));
}

TEST(IniReaderFile, ReadsWindowsLineEndsLikeUnixOnes)
{
    TempFile file("[shader]\r\nshaderVert = \"a.vert\"\r\nscale = 2\r\n");
    const IniData ini = loadIniFile(file.path());
    EXPECT_EQ(ini.getSection("shader").getString("shaderVert"), "a.vert");
    EXPECT_FLOAT_EQ(ini.getSection("shader").getFloat("scale"), 2.0f);
}

TEST(IniReaderFile, MissingFileGivesAnEmptyStoreAndTheMissingFileLine)
{
    testing::internal::CaptureStdout();
    const IniData ini = loadIniFile("./no/such/config.cfg");
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "MISSING FILE: ./no/such/config.cfg\n");
    EXPECT_TRUE(ini.sections().empty());
}

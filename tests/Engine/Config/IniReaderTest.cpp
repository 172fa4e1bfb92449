#include "Engine/Config/IniReader.h"

#include <gtest/gtest.h>

using Keys = std::set<std::string>;

TEST(IniReaderTyping, NumbersReadTheLongestValidPrefix)
{
    // Each line alone: {line, key, value}. Empty pieces around '=' are dropped.
    const std::vector<std::tuple<std::string, std::string, float>> cases = {
        {"a = 1.5.2", "a", 1.5f}, {"b = 1+2", "b", 1.0f}, {"c = .", "c", 0.0f},  {"d = -1", "d", -1.0f},
        {"e = 1.9", "e", 1.9f},   {"f = +3", "f", 3.0f},  {"g = 1280", "g", 1280.0f}, {"a==2", "a", 2.0f},
        {"c=1=2", "c", 1.0f},     {"  = 5", "", 5.0f},
    };
    for (const auto& [line, key, value] : cases) {
        SCOPED_TRACE(line);
        const IniData ini = parseIniLines({line});
        ASSERT_TRUE(ini.hasSection(""));
        EXPECT_EQ(ini.getSection("").keys(), Keys{key});
        EXPECT_FLOAT_EQ(ini.getSection("").getFloat(key), value);
    }
}

TEST(IniReaderTyping, QuotedTextAndLowerCaseWordsAreStringsAndBooleans)
{
    const IniSectionData section = parseIniLines(
        {"shaderVert = \"basic.vert\"", "spaced = \" a b \"", "name = \"\"", "on = true", "off = false"})
                                       .getSection("");
    EXPECT_EQ(section.getString("shaderVert"), "basic.vert");
    EXPECT_EQ(section.getString("spaced"), " a b ");
    EXPECT_EQ(section.getString("name"), "");
    EXPECT_TRUE(section.getBool("on"));
    EXPECT_FALSE(section.getBool("off"));
}

TEST(IniReaderTyping, UnusableLinesAreNeitherPairsNorHeaders)
{
    const std::vector<std::string> unusable = {
        "width = 1920 # note", "exp = 1e3", "inner = 1 2", "minus = 1-2", "word = yes", "fullscreen = True",
        "up = TRUE", "quote = \"", "half = \"open", "text = \"a=b\"", "=3", "b=", "===", "", "key =   \t",
        "[", "]", "[x", "# comment",
    };
    for (const std::string& line : unusable) {
        SCOPED_TRACE(line);
        const IniData ini = parseIniLines({line, "k = 1"});
        EXPECT_EQ(ini.sections().size(), 1u);
        ASSERT_TRUE(ini.hasSection(""));
        EXPECT_EQ(ini.getSection("").keys(), Keys{"k"});
    }
}

TEST(IniReaderSections, HeadersOpenUntrimmedNamedSectionsThatCanBeReopened)
{
    const IniData ini = parseIniLines(
        {"vsync = 1", "  [ a ]  ", "k = 1", "[empty]", "[window]", "fullscreen = true", "[ a ]", "c = 3"});
    EXPECT_EQ(ini.getSection(" a ").keys(), (Keys{"k", "c"}));
    EXPECT_FALSE(ini.hasSection("a"));
    EXPECT_FALSE(ini.hasSection("empty"));
    EXPECT_EQ(ini.getSection("").keys(), Keys{"vsync"});
    EXPECT_TRUE(ini.getSection("window").getBool("fullscreen"));
}

TEST(IniReaderPrecedence, RepeatedKeyKeepsItsFirstTypeAndItsLastValue)
{
    const IniData ini = parseIniLines(
        {"vsync = 0", "vsync = 1", "vsync = true", "vsync = \"on\"", "name = \"a\"", "name = \"b\""});
    const IniSectionData& section = ini.getSection("");
    EXPECT_FLOAT_EQ(section.getFloat("vsync"), 1.0f);
    EXPECT_FALSE(section.hasBool("vsync"));
    EXPECT_FALSE(section.hasString("vsync"));
    EXPECT_EQ(section.getString("name"), "b");
}

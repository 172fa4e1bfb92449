#include "Engine/Config/IniData.h"

#include <gtest/gtest.h>

TEST(IniSectionData, SettersRefuseAnotherTypeForAStoredKey)
{
    IniSectionData section;
    EXPECT_TRUE(section.setFloat("k", 1.0f));
    EXPECT_FALSE(section.setBool("k", true));
    EXPECT_FALSE(section.setString("k", "text"));
    EXPECT_TRUE(section.setFloat("k", 2.0f));
    EXPECT_FLOAT_EQ(section.getFloat("k"), 2.0f);
    EXPECT_EQ(section.keys().size(), 1u);
}

TEST(IniDataDeathTest, GettersAssertTheSectionAndTheKeyWithItsType)
{
    IniData ini;
    IniSectionData& section = ini.obtainSection("present");
    section.setFloat("number", 1.0f);
    section.setString("text", "a");
    section.setBool("flag", true);
    EXPECT_DEATH(section.getString("number"), "Assertion failed: hasString\\(key\\) == true");
    EXPECT_DEATH(section.getFloat("flag"), "Assertion failed: hasFloat\\(key\\) == true");
    EXPECT_DEATH(section.getBool("text"), "Assertion failed: hasBool\\(key\\) == true");
    EXPECT_DEATH(section.getBool("absent"), "Assertion failed: hasBool\\(key\\) == true");
    EXPECT_DEATH(ini.getSection("absent"), "Assertion failed: hasSection\\(name\\) == true");
}

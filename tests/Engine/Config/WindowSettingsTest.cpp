#include "Engine/Config/WindowSettings.h"

#include "Engine/Config/IniReader.h"
#include "tests/Engine/Config/TempFile.h"

#include <gtest/gtest.h>

namespace {

struct ReadResult {
    Engine::WindowSettings settings;
    std::string output;
};

ReadResult readSettings(const std::vector<std::string>& lines)
{
    testing::internal::CaptureStdout();
    const Engine::WindowSettings settings = Engine::readWindowSettings(parseIniLines(lines));
    return {settings, testing::internal::GetCapturedStdout()};
}

void expectDefaults(const Engine::WindowSettings& settings)
{
    EXPECT_FALSE(settings.fullscreen);
    EXPECT_EQ(settings.vsync, 0);
    EXPECT_EQ(settings.resolutionWidth, 1280);
    EXPECT_EQ(settings.resolutionHeight, 720);
}

} // namespace

TEST(WindowSettings, ReadsAllFourKeysAndLogsDoneAfterTheWidth)
{
    const ReadResult read = readSettings(
        {"resolution_width = 800", "resolution_height = 600", "fullscreen = true", "vsync = 1"});
    EXPECT_TRUE(read.settings.fullscreen);
    EXPECT_EQ(read.settings.vsync, 1);
    EXPECT_EQ(read.settings.resolutionWidth, 800);
    EXPECT_EQ(read.settings.resolutionHeight, 600);
    EXPECT_EQ(read.output, "DONE\n");
}

TEST(WindowSettings, MissingFileKeepsEveryDefault)
{
    testing::internal::CaptureStdout();
    const Engine::WindowSettings settings = Engine::loadWindowSettings("./no/profile/config.cfg");
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "MISSING FILE: ./no/profile/config.cfg\n");
    expectDefaults(settings);
}

TEST(WindowSettings, WithoutTheWidthKeyNoDoneIsLogged)
{
    const ReadResult read = readSettings({"resolution_height = 600"});
    EXPECT_EQ(read.output, "");
    EXPECT_EQ(read.settings.resolutionHeight, 600);
}

TEST(WindowSettings, CapitalisedTrueKeepsWindowed)
{
    expectDefaults(readSettings({"fullscreen = True"}).settings);
}

TEST(WindowSettings, FullscreenGivenAsNumberKeepsWindowed)
{
    expectDefaults(readSettings({"fullscreen = 1"}).settings);
}

TEST(WindowSettings, NumbersAreTruncatedTowardZero)
{
    const ReadResult read = readSettings({"vsync = 1.9", "resolution_width = 1023.99", "resolution_height = -0.5"});
    EXPECT_EQ(read.settings.vsync, 1);
    EXPECT_EQ(read.settings.resolutionWidth, 1023);
    EXPECT_EQ(read.settings.resolutionHeight, 0);
}

TEST(WindowSettings, NegativeSwapIntervalAsksForAdaptiveSync)
{
    EXPECT_EQ(readSettings({"vsync = -1"}).settings.vsync, -1);
}

TEST(WindowSettings, WidthWithTrailingCommentKeepsTheDefaultAndLogsNothing)
{
    const ReadResult read = readSettings({"resolution_width = 1920 # note"});
    EXPECT_EQ(read.settings.resolutionWidth, 1280);
    EXPECT_EQ(read.output, "");
}

TEST(WindowSettings, KeysInsideANamedSectionAreNotSeen)
{
    expectDefaults(readSettings({"[window]", "resolution_width = 800", "fullscreen = true"}).settings);
}

TEST(WindowSettings, BooleanAfterNumberForTheSameKeyKeepsTheNumber)
{
    EXPECT_EQ(readSettings({"vsync = 1", "vsync = true"}).settings.vsync, 1);
}

TEST(WindowSettings, RepeatedKeyUsesTheLastNumber)
{
    EXPECT_EQ(readSettings({"resolution_width = 800", "resolution_width = 1024"}).settings.resolutionWidth, 1024);
}

TEST(WindowSettings, NumberBeyondThe32BitRangeKeepsTheDefault)
{
    const ReadResult read = readSettings({"resolution_width = 99999999999", "resolution_height = "
                                          + std::string(60, '9')});
    EXPECT_EQ(read.settings.resolutionWidth, 1280);
    EXPECT_EQ(read.settings.resolutionHeight, 720);
    EXPECT_EQ(read.output, "DONE\n");
}

TEST(WindowSettings, ShippedProfileHoldsTheDefaults)
{
    testing::internal::CaptureStdout();
    const Engine::WindowSettings settings = Engine::loadWindowSettings(GAME_SOURCE_PROFILE);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "DONE\n");
    expectDefaults(settings);
}

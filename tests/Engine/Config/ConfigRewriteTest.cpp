#include "Engine/Config/ConfigRewrite.h"

#include "tests/support/TestFiles.h"

#include <fstream>

#include <gtest/gtest.h>

using Lines = std::vector<std::string>;

TEST(ConfigRewrite, OnlyTheUnnamedSectionsLinesOfTheKeysChangeAndMissingKeysGoBeforeTheFirstHeader)
{
    const std::vector<Engine::ConfigValue> values = {{"vsync", "1"}, {"mouse_speed", "1.5"}};
    const struct {
        Lines before, after;
    } cases[] = {
        {{"# vsync = 0 stays a comment", "vsync=0", "", "  vsync  = 2 # twice", "mouse_speed_x = 2", "vsync"},
         {"# vsync = 0 stays a comment", "vsync = 1", "", "vsync = 1", "mouse_speed_x = 2", "vsync",
          "mouse_speed = 1.5"}},
        {{"fullscreen = true", "[window]", "vsync = 0", "mouse_speed = 3"},
         {"fullscreen = true", "vsync = 1", "mouse_speed = 1.5", "[window]", "vsync = 0", "mouse_speed = 3"}},
        {{}, {"vsync = 1", "mouse_speed = 1.5"}},
    };
    for (const auto& c : cases) EXPECT_EQ(Engine::rewriteConfigLines(c.before, values), c.after);
}

// The saved file reads back as the settings it was saved from, and the
// user's lines (a Windows line end included) survive.
TEST(ConfigRewrite, SavedProfileReadsBackAndKeepsItsComments)
{
    const Engine::WindowSettings settings{true, 1, 960, 540, 4.0f, 0.75f, 0.5f};
    const TestFiles::TempDir folder;
    const std::string profile = folder.path("config.cfg");
    TestFiles::writeText(profile, "# my window\r\nresolution_width = 1280\n# end\n");
    testing::internal::CaptureStdout();
    ASSERT_TRUE(Engine::saveWindowSettings(settings, profile));
    const Engine::WindowSettings read = Engine::loadWindowSettings(profile);
    testing::internal::GetCapturedStdout();
    auto fields = [](const Engine::WindowSettings& s) {
        return std::make_tuple(s.fullscreen, s.vsync, s.resolutionWidth, s.resolutionHeight, s.maxAnisotropy,
                               s.mouseSpeed, s.renderScale);
    };
    EXPECT_EQ(fields(read), fields(settings));
    std::ifstream file(profile);
    const std::string text(std::istreambuf_iterator<char>(file), {});
    EXPECT_EQ(text.rfind("# my window\r\nresolution_width = 960\n# end\nresolution_height = 540\n", 0), 0u) << text;
}

// Tests run as root, who writes into read-only folders: the folder is a
// regular file instead.
TEST(ConfigRewrite, AnUnwritableFolderLeavesOneLineNamingTheFile)
{
    const TestFiles::TempDir folder;
    TestFiles::writeText(folder.path("file"), "");
    const std::string path = folder.path("file") + "/config.cfg";
    testing::internal::CaptureStdout();
    EXPECT_FALSE(Engine::saveWindowSettings(Engine::WindowSettings{}, path));
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "SETTINGS NOT SAVED: " + path + ": Not a directory\n");
}

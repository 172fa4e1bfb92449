#include "Engine/Config/ConfigRewrite.h"

#include "tests/support/TestFiles.h"

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

// Tests run as root, who writes into read-only folders: the folder is a
// regular file instead.
TEST(ConfigRewrite, AnUnwritableFolderLeavesOneLineNamingTheFile)
{
    const TestFiles::TempDir folder;
    TestFiles::writeText(folder.path("file"), "");
    const std::string path = folder.path("file") + "/config.cfg";
    testing::internal::CaptureStderr();
    EXPECT_FALSE(Engine::rewriteConfigFile({{"vsync", "1"}}, path));
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "SETTINGS NOT SAVED: " + path + ": Not a directory\n");
}

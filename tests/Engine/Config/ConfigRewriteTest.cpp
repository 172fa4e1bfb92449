#include "Engine/Config/ConfigRewrite.h"

#include "Engine/Config/IniReader.h"
#include "tests/Engine/Config/TempFile.h"

#include <gtest/gtest.h>

namespace {

using Lines = std::vector<std::string>;

std::string textOf(const std::string& path)
{
    std::ifstream file(path);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

} // namespace

TEST(ConfigRewrite, OnlyTheUnnamedSectionsLinesOfTheKeysChangeAndMissingKeysGoBeforeTheFirstHeader)
{
    const std::vector<Engine::ConfigValue> values = {{"vsync", "1"}, {"mouse_speed", "1.5"}};
    const struct {
        Lines before, after;
    } cases[] = {
        {{"# vsync = 0 stays a comment", "vsync=0", "", "  vsync  = 2 # twice"},
         {"# vsync = 0 stays a comment", "vsync = 1", "", "vsync = 1", "mouse_speed = 1.5"}},
        {{"fullscreen = true", "[window]", "vsync = 0", "mouse_speed = 3"},
         {"fullscreen = true", "vsync = 1", "mouse_speed = 1.5", "[window]", "vsync = 0", "mouse_speed = 3"}},
        {{}, {"vsync = 1", "mouse_speed = 1.5"}},
        {{"mouse_speed_x = 2", "mouse_speed = 0.5", "vsync"},
         {"mouse_speed_x = 2", "mouse_speed = 1.5", "vsync", "vsync = 1"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.before));
        EXPECT_EQ(Engine::rewriteConfigLines(c.before, values), c.after);
    }
}

// The saved file reads back as the settings it was saved from, and the
// user's comments survive.
TEST(ConfigRewrite, SavedProfileReadsBackAndKeepsItsComments)
{
    Engine::WindowSettings settings;
    settings.resolutionWidth = 960;
    settings.resolutionHeight = 540;
    settings.fullscreen = true;
    settings.vsync = 1;
    settings.maxAnisotropy = 4.0f;
    settings.mouseSpeed = 0.75f;
    const TempFile profile("# my window\r\nresolution_width = 1280\n# end\n");
    testing::internal::CaptureStdout();
    ASSERT_TRUE(Engine::saveWindowSettings(settings, profile.path()));
    const Engine::WindowSettings read = Engine::loadWindowSettings(profile.path());
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "DONE\n");
    auto fields = [](const Engine::WindowSettings& s) {
        return std::make_tuple(s.fullscreen, s.vsync, s.resolutionWidth, s.resolutionHeight, s.maxAnisotropy,
                               s.mouseSpeed);
    };
    EXPECT_EQ(fields(read), fields(settings));
    const std::string text = textOf(profile.path());
    EXPECT_EQ(text.rfind("# my window\r\nresolution_width = 960\n# end\nresolution_height = 540\n", 0), 0u) << text;
}

// Runs as root in the test containers, so a plain read-only folder would not
// stop the write: the folder is a regular file instead.
TEST(ConfigRewrite, AnUnwritableFolderLeavesOneLineNamingTheFile)
{
    const TempFile notAFolder("");
    const std::string path = notAFolder.path() + "/config.cfg";
    testing::internal::CaptureStdout();
    EXPECT_FALSE(Engine::saveWindowSettings(Engine::WindowSettings{}, path));
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "SETTINGS NOT SAVED: " + path + ": Not a directory\n");
    EXPECT_EQ(textOf(notAFolder.path()), "");
}

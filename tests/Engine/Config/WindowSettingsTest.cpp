#include "Engine/Config/WindowSettings.h"

#include "Engine/Config/IniReader.h"

#include <gtest/gtest.h>

namespace {

auto fields(const Engine::WindowSettings& s)
{
    return std::make_tuple(s.fullscreen, s.vsync, s.resolutionWidth, s.resolutionHeight, s.maxAnisotropy, s.mouseSpeed);
}

} // namespace

TEST(WindowSettings, ReadsTheUnnamedSectionAndLogsDoneAfterTheWidth)
{
    struct Case {
        std::vector<std::string> lines;
        Engine::WindowSettings expected;
        std::string output;
    };
    const std::string hugeNumber(60, '9');
    const std::vector<Case> cases = {
        {{"resolution_width = 800", "resolution_height = 600", "fullscreen = true", "vsync = 1"},
         {true, 1, 800, 600}, "DONE\n"},
        {{"resolution_height = 600"}, {false, 0, 1280, 600}, ""},
        {{"fullscreen = True"}, {}, ""},
        {{"fullscreen = 1"}, {}, ""},
        {{"vsync = 1.9", "resolution_width = 1023.99", "resolution_height = -0.5"}, {false, 1, 1023, 0}, "DONE\n"},
        {{"vsync = -1"}, {false, -1, 1280, 720}, ""},
        {{"resolution_width = 1920 # note"}, {}, ""},
        {{"[window]", "resolution_width = 800", "fullscreen = true"}, {}, ""},
        {{"vsync = 1", "vsync = true"}, {false, 1, 1280, 720}, ""},
        {{"resolution_width = 800", "resolution_width = 1024"}, {false, 0, 1024, 720}, "DONE\n"},
        {{"resolution_width = 99999999999", "resolution_height = " + hugeNumber}, {}, "DONE\n"},
        {{"max_anisotropy = 2.5"}, {false, 0, 1280, 720, 2.5f}, ""},
        {{"max_anisotropy = " + hugeNumber}, {}, ""},
        {{"max_anisotropy = off"}, {}, ""},
        {{"mouse_speed = 1.5"}, {false, 0, 1280, 720, 0.0f, 1.5f}, ""},
        {{"mouse_speed = 0"}, {}, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.lines));
        testing::internal::CaptureStdout();
        const Engine::WindowSettings settings = Engine::readWindowSettings(parseIniLines(c.lines));
        EXPECT_EQ(testing::internal::GetCapturedStdout(), c.output);
        EXPECT_EQ(fields(settings), fields(c.expected));
    }
}

// The shipped profile keeps the default window and turns anisotropic
// filtering off, which software renderers pay for on every pixel.
TEST(WindowSettings, MissingFileGivesTheDefaultsAndTheShippedProfileTurnsAnisotropyOff)
{
    Engine::WindowSettings shipped;
    shipped.maxAnisotropy = 1.0f;
    const struct {
        std::string path, output;
        Engine::WindowSettings expected;
    } cases[] = {{"./no/profile/config.cfg", "MISSING FILE: ./no/profile/config.cfg\n", {}},
                 {GAME_SOURCE_PROFILE, "DONE\n", shipped}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        testing::internal::CaptureStdout();
        const Engine::WindowSettings settings = Engine::loadWindowSettings(c.path);
        EXPECT_EQ(testing::internal::GetCapturedStdout(), c.output);
        EXPECT_EQ(fields(settings), fields(c.expected));
    }
}

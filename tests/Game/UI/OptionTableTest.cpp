#include "Engine/Config/IniReader.h"
#include "Game/UI/OptionTable.h"
#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <tuple>

namespace {

using Lines = std::vector<std::string>;
using Engine::WindowSettings;

constexpr int32_t largestTarget = 4096;

auto fields(const WindowSettings& s)
{
    return std::make_tuple(s.fullscreen, s.vsync, s.resolutionWidth, s.resolutionHeight, s.maxAnisotropy,
                           s.mouseSpeed, s.renderScale, s.volume);
}

// Each value at and just past the edges of its range: a value outside keeps
// the default with one line on the error stream naming the file, key and value.
TEST(OptionTable, ProfileValuesOutsideTheirRangesFallBackToTheDefaultWithOneLineEach)
{
    const struct {
        Lines lines;
        WindowSettings expected;
        Lines problems; // the start of each error line after the file name
        std::string output;
    } cases[] = {
        {{"resolution_width = 800", "resolution_height = 600", "fullscreen = true", "vsync = 1"}, {true, 1, 800, 600},
         {}, "DONE\n"},
        {{"fullscreen = 1", "resolution_height = 600"}, {false, 0, 1280, 600}, {}, ""},
        {{"vsync = 1.9", "resolution_width = 1023.99", "resolution_height = -0.5"}, {false, 1, 1023, 720},
         {"resolution_height = -0.5 is outside 240 to 4096, using 720"}, "DONE\n"},
        {{"[window]", "resolution_width = 0"}, {}, {}, ""},
        {{"resolution_width = 0", "resolution_height = 239"}, {},
         {"resolution_width = 0 is outside 320 to 4096, using 1280", "resolution_height = 239 "}, "DONE\n"},
        {{"resolution_width = 320", "resolution_height = 240"}, {false, 0, 320, 240}, {}, "DONE\n"},
        {{"resolution_width = 4097", "resolution_height = 4096"}, {false, 0, 1280, 4096}, {"resolution_width = 4097 "},
         "DONE\n"},
        {{"resolution_width = 99999999999"}, {}, {"resolution_width = 99999997952 "}, "DONE\n"},
        {{"vsync = -1"}, {false, -1}, {}, ""},
        {{"vsync = 2"}, {}, {"vsync = 2 is outside -1 to 1, using 0"}, ""},
        {{"vsync = -2"}, {}, {"vsync = -2 "}, ""},
        {{"max_anisotropy = 16", "mouse_speed = 0.1"}, {false, 0, 1280, 720, 16.0f, 0.1f}, {}, ""},
        {{"max_anisotropy = 16.5", "mouse_speed = 10"}, {false, 0, 1280, 720, 0.0f, 10.0f},
         {"max_anisotropy = 16.5 is outside 0 to 16, using 0"}, ""},
        {{"mouse_speed = 0.09"}, {}, {"mouse_speed = 0.09 is outside 0.1 to 10, using 1"}, ""},
        {{"mouse_speed = 10.5"}, {}, {"mouse_speed = 10.5 "}, ""},
        {{"mouse_speed = 0"}, {}, {"mouse_speed = 0 "}, ""},
        {{"render_scale = 0.25"}, {false, 0, 1280, 720, 0.0f, 1.0f, 0.25f}, {}, ""},
        {{"render_scale = 0.24"}, {}, {"render_scale = 0.24 is outside 0.25 to 1, using 1"}, ""},
        {{"render_scale = 1.01"}, {}, {"render_scale = 1.01 "}, ""},
        {{"volume = 0", "volume = 100"}, {false, 0, 1280, 720, 0.0f, 1.0f, 1.0f, 100}, {}, ""},
        {{"volume = 50.9"}, {false, 0, 1280, 720, 0.0f, 1.0f, 1.0f, 50}, {}, ""},
        {{"volume = -1"}, {}, {"volume = -1 is outside 0 to 100, using 80"}, ""},
        {{"volume = 101"}, {}, {"volume = 101 "}, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.lines));
        testing::internal::CaptureStdout();
        testing::internal::CaptureStderr();
        const WindowSettings settings = UI::readSettings(parseIniLines(c.lines), "my.cfg", largestTarget);
        const std::string errors = testing::internal::GetCapturedStderr();
        EXPECT_EQ(testing::internal::GetCapturedStdout(), c.output);
        EXPECT_EQ(fields(settings), fields(c.expected));
        std::string expected;
        for (const std::string& problem : c.problems) expected += "my.cfg: " + problem;
        std::string got;
        std::size_t start = 0;
        for (const std::string& problem : c.problems) {
            const std::size_t end = errors.find('\n', start);
            ASSERT_NE(end, std::string::npos) << errors;
            got += errors.substr(start, std::string("my.cfg: ").size() + problem.size());
            start = end + 1;
        }
        EXPECT_EQ(got, expected);
        EXPECT_EQ(start, errors.size()) << "one line per problem: " << errors;
    }
}

// The saved profile reads back as the settings it was saved from, in fixed
// notation held inside the ranges, and the user's lines survive (added ones
// take the first line's end).
TEST(OptionTable, SavedProfileReadsBackInFixedNotationAndKeepsTheUsersLines)
{
    const TestFiles::TempDir folder;
    const std::string profile = folder.path("config.cfg");
    TestFiles::writeText(profile, "# my window\r\nresolution_width = 1280\n# end\n");
    testing::internal::CaptureStdout();
    const WindowSettings settings{true, 1, 960, 540, 4.0f, 1.0f / 3.0f, 0.75f, 25};
    ASSERT_TRUE(UI::saveSettings(settings, profile).ok());
    EXPECT_EQ(fields(UI::loadSettings(profile, largestTarget)), fields(settings));
    WindowSettings tiny = settings;
    tiny.mouseSpeed = 2e-05f;
    ASSERT_TRUE(UI::saveSettings(tiny, profile).ok());
    EXPECT_EQ(UI::loadSettings(profile, largestTarget).mouseSpeed, 0.1f) << "written inside the range, no exponent";
    testing::internal::GetCapturedStdout();
    std::ifstream file(profile);
    const std::string text(std::istreambuf_iterator<char>(file), {});
    EXPECT_EQ(text, "# my window\r\nresolution_width = 960\n# end\nresolution_height = 540\r\nfullscreen = true\r\n"
                    "vsync = 1\r\nmax_anisotropy = 4\r\nrender_scale = 0.75\r\nmouse_speed = 0.1\r\nvolume = 25\r\n");
    EXPECT_EQ(UI::loadSettings(GAME_SOURCE_PROFILE, largestTarget).maxAnisotropy, 1.0f)
        << "the shipped profile turns anisotropic filtering off for software renderers";
}

} // namespace

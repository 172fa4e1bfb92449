#include "Engine/Config/ConfigRewrite.h"

#include "tests/support/TestFiles.h"

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include <gtest/gtest.h>

namespace {

namespace fs = std::filesystem;

std::string text(const std::string& path)
{
    const std::vector<uint8_t> bytes = TestFiles::readBytes(path);
    return std::string(bytes.begin(), bytes.end());
}

std::string errorsOf(const std::function<void()>& action)
{
    testing::internal::CaptureStderr();
    action();
    return testing::internal::GetCapturedStderr();
}

// Only the values of the unnamed section's lines of the keys change; every
// other byte stays, and a missing key goes before the first header with the
// text's own line end.
TEST(ConfigRewrite, EachProfileTextKeepsEverythingButTheValuesOfTheKeys)
{
    const std::vector<Engine::ConfigValue> values = {{"vsync", "1"}, {"mouse_speed", "1.5"}};
    const std::pair<std::string, std::string> rows[] = {
        {"", "vsync = 1\nmouse_speed = 1.5\n"},
        {"# vsync = 0 stays a comment\nvsync=0\n\n  vsync  = 2 # twice\nmouse_speed_x = 2\nvsync\n",
         "# vsync = 0 stays a comment\nvsync=1\n\n  vsync  = 1 # twice\nmouse_speed_x = 2\nvsync\nmouse_speed = 1.5\n"},
        {"fullscreen = true\n[window]\nvsync = 0\nmouse_speed = 3\n",
         "fullscreen = true\nvsync = 1\nmouse_speed = 1.5\n[window]\nvsync = 0\nmouse_speed = 3\n"},
        // Line ends: each line keeps its own; added lines take the first's.
        {"a = 1\r\nvsync = 0 ; slow screens\r\n", "a = 1\r\nvsync = 1 ; slow screens\r\nmouse_speed = 1.5\r\n"},
        {"vsync = 0\nmouse_speed = 2\r\n", "vsync = 1\nmouse_speed = 1.5\r\n"},
        {"# no final line end", "# no final line end\nvsync = 1\nmouse_speed = 1.5\n"},
        {"a = 1\r[s]\r", "a = 1\r[s]\r\nvsync = 1\nmouse_speed = 1.5\n"},
        // Lines the reader sees as setting a key are the lines rewritten.
        {"=vsync==0 = 2\nvsync =\nmouse_speed = \"fast\"\n", "=vsync==1 = 2\nvsync =\nmouse_speed = 1.5\n"},
        {"\xEF\xBB\xBFvsync = 0\n[ ]\n", "\xEF\xBB\xBFvsync = 0\nvsync = 1\nmouse_speed = 1.5\n[ ]\n"},
    };
    for (const auto& [before, after] : rows) EXPECT_EQ(Engine::rewriteConfigText(before, values), after) << before;
}

const std::vector<Engine::ConfigValue> settings = {{"resolution_width", "960"}, {"resolution_height", "540"}};

bool save(const std::string& path)
{
    return Engine::rewriteConfigFile(settings, path).ok();
}

// The profile is rewritten in place: its mode stays, and a symbolic link
// stays a link to the replaced file.
TEST(ConfigRewrite, SavedProfileIsRewrittenInPlaceWithItsModeAndLink)
{
    const TestFiles::TempDir folder;
    const std::string target = folder.path("real/config.cfg"), link = folder.path("config.cfg");
    fs::create_directory(folder.path("real"));
    TestFiles::writeText(target, "# my window\r\nresolution_width = 1280\n# end\n");
    fs::permissions(target, fs::perms(0640));
    fs::create_symlink("real/config.cfg", link);
    ASSERT_TRUE(save(link));
    EXPECT_EQ(text(target).rfind("# my window\r\nresolution_width = 960\n# end\nresolution_height = 540\r\n", 0), 0u);
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(fs::status(target).permissions(), fs::perms(0640));
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.path("real")), {}), 1) << "a temporary file left";
}

// Tests run as root, who reads and writes anything: a folder at the path,
// and a regular file where a folder should be.
TEST(ConfigRewrite, AProfileThatCannotBeReadOrReplacedIsLeftWithOneLineNamingIt)
{
    const TestFiles::TempDir folder;
    TestFiles::writeText(folder.path("file"), "");
    fs::create_directory(folder.path("config.cfg"));
    const std::pair<std::string, std::string> rows[] = {{folder.path("file") + "/config.cfg", "Not a directory"},
                                                        {folder.path("config.cfg"), "Is a directory"}};
    for (const auto& [path, reason] : rows) {
        EXPECT_EQ(errorsOf([&] { EXPECT_FALSE(save(path)); }),
                  "SETTINGS NOT SAVED: " + path + ": " + reason + "\n");
    }
    EXPECT_TRUE(fs::is_directory(folder.path("config.cfg")));
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.folder()), {}), 2) << "a temporary file left";
}

// A profile its user may write but not read (mode 0200), saved by another
// user in a folder anyone may write: it is left as it is.
TEST(ConfigRewriteDeathTest, AProfileWithoutReadPermissionIsNotWritten)
{
    const TestFiles::TempDir folder;
    const std::string profile = folder.path("config.cfg");
    TestFiles::writeText(profile, "# mine\nresolution_width = 800\n");
    fs::permissions(profile, fs::perms(0200));
    fs::permissions(folder.folder(), fs::perms::all);
    const uid_t nobody = 65534;
    EXPECT_EXIT(
        {
            if (geteuid() == 0 && (setgid(nobody) != 0 || setuid(nobody) != 0)) std::exit(2);
            std::exit(save(profile) ? 1 : 0);
        },
        testing::ExitedWithCode(0), "SETTINGS NOT SAVED: " + profile + ": Permission denied");
    EXPECT_EQ(text(profile), "# mine\nresolution_width = 800\n");
}

} // namespace

#include "tests/e2e/GameSession.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <thread>

using namespace E2E;
namespace fs = std::filesystem;

namespace {

constexpr Duration exitTimeout(10000);
constexpr Duration playTime(3000);
constexpr const char* skeletonFolder = "skeletons";
constexpr const char* skeletonPath = "./data/skeletons/animation.cskel";

// A run folder whose data is the build's, except that one folder of it is
// empty; removed when the object goes away.
class RunFolderWithout {
public:
    explicit RunFolderWithout(const std::string& emptyFolder)
    {
        std::string pattern = (fs::temp_directory_path() / "game_missing_XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("cannot create a run folder");
        folder = pattern;
        const fs::path runDir(gameRunDir());
        fs::create_directories(fs::path(folder) / "profile");
        fs::copy_file(runDir / "profile" / "config.cfg", fs::path(folder) / "profile" / "config.cfg");
        fs::create_directories(fs::path(folder) / "data" / emptyFolder);
        for (const fs::directory_entry& entry : fs::directory_iterator(runDir / "data")) {
            if (entry.path().filename() == emptyFolder) continue;
            fs::create_symlink(entry.path(), fs::path(folder) / "data" / entry.path().filename());
        }
    }
    ~RunFolderWithout()
    {
        std::error_code ignored;
        fs::remove_all(folder, ignored);
    }

    std::string folder;
};

} // namespace

TEST(GameStart, ProgressLinesArePrintedInOrderWithThePlayerAndFloorIds)
{
    GameSession session;
    const std::vector<std::string> lines = session.game.outputLines();
    const std::vector<std::string> expected = {"GC CREATE",   "START ENGINE", "DONE",         "GC INIT",
                                               "SHADERGEN",   "SHADER END",   "Mesh Loading", "IMGLOAD end",
                                               "GC INIT END", "Player ID: 4", "FLOOR ID: 161"};
    ASSERT_GE(lines.size(), expected.size()) << session.game.outputText();
    EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + expected.size()), expected);
}

TEST(GameStart, WindowTakesTheConfiguredSizeAndNothingGoesToStandardError)
{
    TemporaryRunFolder runFolder("resolution_width = 1024\nresolution_height = 576\nvsync = 0\n");
    GameLaunch launch;
    launch.runDir = runFolder.path();
    GameSession session(launch);
    EXPECT_EQ(session.geometry.width, 1024);
    EXPECT_EQ(session.geometry.height, 576);
    std::this_thread::sleep_for(playTime);
    const std::optional<ExitStatus> status = session.close(exitTimeout);
    ASSERT_TRUE(status) << "still running after the close request";
    EXPECT_TRUE(status->exitedWith(0)) << "code " << status->code << ", signal " << status->signal;
    EXPECT_EQ(session.game.errorText(), "");
}

TEST(GameStart, MissingSkeletonStopsStartUpWithOneLineNamingTheFile)
{
    RunFolderWithout runFolder(skeletonFolder);
    GameLaunch launch;
    launch.runDir = runFolder.folder;
    GameProcess game(launch);
    const std::optional<ExitStatus> status = game.waitForExit(startupTimeout);
    ASSERT_TRUE(status) << "still running without its skeleton";
    EXPECT_TRUE(status->exited) << "ended by signal " << status->signal;
    EXPECT_NE(status->code, 0);
    const std::vector<std::string> errors = game.errorLines();
    ASSERT_EQ(errors.size(), 1u) << game.errorText();
    EXPECT_NE(errors.front().find(skeletonPath), std::string::npos) << errors.front();
    const std::vector<std::string> lines = game.outputLines();
    EXPECT_EQ(std::find(lines.begin(), lines.end(), "GC INIT END"), lines.end()) << "start-up went on";
}

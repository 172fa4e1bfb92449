#include "tests/e2e/GameProcess.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>

namespace E2E {

namespace fs = std::filesystem;

std::string gameBinary()
{
    return GAME_BINARY_PATH;
}

std::string gameRunDir()
{
    return GAME_RUN_DIR_PATH;
}

namespace {

Launch gameLaunch(const GameLaunch& launch)
{
    return Launch{{"stdbuf", "-oL", gameBinary()}, launch.runDir, launch.setEnvironment, launch.unsetEnvironment};
}

} // namespace

GameProcess::GameProcess(const GameLaunch& launch) : ChildProcess(gameLaunch(launch)) {}

TemporaryRunFolder::TemporaryRunFolder(const std::optional<std::string>& configText)
{
    std::string pattern = (fs::temp_directory_path() / "game_run_XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr)
        throw std::runtime_error("cannot create a temporary run folder");
    folder = pattern;
    fs::create_directory(fs::path(folder) / "profile");
    fs::create_directory_symlink(fs::path(gameRunDir()) / "data", fs::path(folder) / "data");
    if (configText)
        std::ofstream(fs::path(folder) / "profile" / "config.cfg") << *configText;
}

TemporaryRunFolder::~TemporaryRunFolder()
{
    std::error_code ignored;
    fs::remove_all(folder, ignored);
}

} // namespace E2E

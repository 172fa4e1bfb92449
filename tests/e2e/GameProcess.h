#pragma once

#include "tests/e2e/ChildProcess.h"

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace E2E {

// The game binary and the run folder the build filled (./profile, ./data).
std::string gameBinary();
std::string gameRunDir();

// How long a game started under Xvfb and llvmpipe may take to show its
// window or print its start-up lines.
constexpr Duration startupTimeout(20000);

struct GameLaunch {
    std::string runDir = gameRunDir();
    std::vector<std::pair<std::string, std::string>> setEnvironment;
    std::vector<std::string> unsetEnvironment;
};

// The real game, started in a run folder with its standard output line
// buffered (stdbuf -oL) so its progress lines arrive as they are printed.
class GameProcess : public ChildProcess {
public:
    explicit GameProcess(const GameLaunch& launch = GameLaunch{});
};

// A run folder of one test's own: ./data is a link to the build's data and
// ./profile/config.cfg holds the given text (no file when none is given).
// The folder is removed when the object goes away.
class TemporaryRunFolder {
public:
    explicit TemporaryRunFolder(const std::optional<std::string>& configText);
    ~TemporaryRunFolder();
    TemporaryRunFolder(const TemporaryRunFolder&) = delete;
    TemporaryRunFolder& operator=(const TemporaryRunFolder&) = delete;

    const std::string& path() const { return folder; }

private:
    std::string folder;
};

} // namespace E2E

#include "tests/e2e/Desktop.h"
#include "tests/e2e/GameProcess.h"
#include "tests/e2e/Screenshot.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <set>
#include <tuple>
#include <thread>

using namespace E2E;

namespace {

constexpr const char* engineTitle = "^Engine$";
// The game starts initialising with this line and ends with the floor's id.
constexpr const char* gameInitLine = "GC INIT";
constexpr const char* gameReadyLine = "FLOOR ID: 161";
// A drawn frame shows many colours; an undrawn window shows one.
constexpr int distinctColoursOfAFrame = 16;
// The loop ends after the frame in which the close request is seen; frames
// of the real game under llvmpipe on a busy machine take up to a few hundred
// milliseconds.
constexpr Duration exitTimeout(3000);

std::ptrdiff_t lineIndex(const std::vector<std::string>& lines, const std::string& line)
{
    const auto found = std::find(lines.begin(), lines.end(), line);
    return found == lines.end() ? -1 : found - lines.begin();
}

// Starts the game with the desktop watching for its window, waits for the
// window and for the game's initialisation to finish.
class EngineStart : public testing::Test {
protected:
    void start(const GameLaunch& launch = GameLaunch{})
    {
        desktop.watchNewWindows();
        game.emplace(launch);
        const std::optional<WindowId> found = desktop.findWindow(engineTitle, startupTimeout);
        ASSERT_TRUE(found) << "no window titled Engine; output:\n" << game->outputText() << game->errorText();
        window = *found;
        ASSERT_TRUE(game->waitForLine(gameReadyLine, startupTimeout)) << game->outputText() << game->errorText();
    }

    // Whether the window shows a drawn frame (many colours, where an undrawn
    // window shows one), waiting for the first frames to arrive.
    bool waitForDrawnFrame()
    {
        const WindowGeometry at = desktop.geometry(window).value();
        for (int attempt = 0; attempt < 20; ++attempt) {
            const Screenshot shot = Screenshot::capture();
            std::set<std::tuple<int, int, int>> colours;
            for (int y = at.y; y < at.y + at.height; y += 16)
                for (int x = at.x; x < at.x + at.width; x += 16) {
                    const Rgb p = shot.pixel(x, y);
                    colours.insert({p.r, p.g, p.b});
                }
            if (static_cast<int>(colours.size()) >= distinctColoursOfAFrame) return true;
            std::this_thread::sleep_for(Duration(200));
        }
        return false;
    }

    Desktop desktop;
    std::optional<GameProcess> game;
    WindowId window = 0;
};

} // namespace

TEST_F(EngineStart, WindowTitledEngineIsCreatedAt640x480)
{
    start();
    const std::optional<WindowGeometry> created = desktop.creationGeometry(window);
    ASSERT_TRUE(created);
    EXPECT_EQ(created->width, 640);
    EXPECT_EQ(created->height, 480);
}

TEST_F(EngineStart, ShippedConfigurationResizesTheWindowTo1280x720)
{
    start();
    const std::optional<WindowGeometry> now = desktop.geometry(window);
    ASSERT_TRUE(now);
    EXPECT_EQ(now->width, 1280);
    EXPECT_EQ(now->height, 720);
    EXPECT_LT(lineIndex(game->outputLines(), "DONE"), lineIndex(game->outputLines(), gameInitLine));
}

TEST_F(EngineStart, ConfiguredSizeIsAppliedAndTheWindowCentred)
{
    TemporaryRunFolder runFolder("resolution_width = 800\nresolution_height = 600\n");
    GameLaunch launch;
    launch.runDir = runFolder.path();
    start(launch);
    const std::optional<WindowGeometry> now = desktop.geometry(window);
    ASSERT_TRUE(now);
    EXPECT_EQ(now->width, 800);
    EXPECT_EQ(now->height, 600);
    EXPECT_EQ(now->x, (1280 - 800) / 2);
    EXPECT_EQ(now->y, (720 - 600) / 2);
}

TEST_F(EngineStart, StartEngineIsPrintedAfterTheGameIsMadeAndBeforeItInitialises)
{
    start();
    const std::vector<std::string> lines = game->outputLines();
    ASSERT_GE(lines.size(), 2u);
    EXPECT_EQ(lines[0], "GC CREATE");
    EXPECT_EQ(lines[1], "START ENGINE");
    EXPECT_LT(lineIndex(lines, "START ENGINE"), lineIndex(lines, gameInitLine));
}

TEST_F(EngineStart, GameDrawsIntoTheWindowThroughItsOpenGLContext)
{
    start();
    EXPECT_TRUE(waitForDrawnFrame());
}

TEST_F(EngineStart, ClosingTheWindowEndsTheProgramWithCodeZeroAfterTheFrame)
{
    start();
    ASSERT_TRUE(waitForDrawnFrame());
    const auto closedAt = std::chrono::steady_clock::now();
    desktop.closeWindow(window);
    const std::optional<ExitStatus> status = game->waitForExit(exitTimeout);
    ASSERT_TRUE(status) << "still running after the close request";
    EXPECT_TRUE(status->exitedWith(0)) << "code " << status->code << ", signal " << status->signal;
    EXPECT_LT(std::chrono::steady_clock::now() - closedAt, exitTimeout);
    EXPECT_EQ(game->errorText(), "");
}

TEST(EngineStartFailure, VideoDriverWithoutOpenGLStopsStartUpWithNonZeroExit)
{
    GameLaunch launch;
    launch.setEnvironment = {{"SDL_VIDEODRIVER", "dummy"}};
    GameProcess game(launch);
    const std::optional<ExitStatus> status = game.waitForExit(startupTimeout);
    ASSERT_TRUE(status);
    EXPECT_TRUE(status->exited);
    EXPECT_NE(status->code, 0);
    const std::vector<std::string> lines = game.outputLines();
    EXPECT_EQ(lines, (std::vector<std::string>{"GC CREATE", "START ENGINE", "Failed to initialize!"}));
    ASSERT_EQ(game.errorLines().size(), 1u) << game.errorText();
    EXPECT_EQ(game.errorLines().front().rfind("Engine start-up stopped: the window could not be created: ", 0), 0u)
        << game.errorText();
}

TEST(EngineStartFailure, WithoutAnyDisplaySdlFailureIsReportedAndTheExitCodeIsZero)
{
    GameLaunch launch;
    launch.setEnvironment = {{"SDL_VIDEODRIVER", "x11"}};
    launch.unsetEnvironment = {"DISPLAY", "WAYLAND_DISPLAY"};
    GameProcess game(launch);
    const std::optional<ExitStatus> status = game.waitForExit(startupTimeout);
    ASSERT_TRUE(status);
    EXPECT_TRUE(status->exitedWith(0));
    const std::vector<std::string> lines = game.outputLines();
    ASSERT_EQ(lines.size(), 4u) << game.outputText();
    EXPECT_EQ(lines[0], "GC CREATE");
    EXPECT_EQ(lines[1], "START ENGINE");
    EXPECT_EQ(lines[2].rfind("SDL could not initialize! SDL Error: ", 0), 0u);
    EXPECT_EQ(lines[3], "Failed to initialize!");
}

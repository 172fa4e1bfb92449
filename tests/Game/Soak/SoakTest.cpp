#include "tests/Game/Soak/SoakDriver.h"
#include "tests/Game/Soak/SoakUser.h"

#include "Game/Resources/GameState.h"
#include "Game/Editor/EditorState.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

using namespace Soak;
using Game::GameState;

namespace {

constexpr int defaultSteps = 3000;
constexpr uint32_t defaultSeed = 20261206;
constexpr int defaultRenderEvery = 25;
// Entities destroyed on leaving a mode are gone a few steps later.
constexpr int entityCheckDelay = 10;
constexpr uint64_t allowedGrowthBytes = 8ull * 1024 * 1024;
constexpr int neededReturnsToMenu = 2;

long environmentNumber(const char* name, long fallback)
{
    const char* text = std::getenv(name);
    if (text == nullptr || *text == '\0') return fallback;
    return std::strtol(text, nullptr, 10);
}

std::vector<std::string> linesStartingWith(const std::string& text, const std::string& prefix)
{
    std::vector<std::string> found;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);)
        if (line.rfind(prefix, 0) == 0) found.push_back(line);
    return found;
}

std::string joined(const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines) text += line + "\n";
    return text;
}

double megabytes(uint64_t bytes)
{
    return static_cast<double>(bytes) / (1024.0 * 1024.0);
}

// Watches every arrival in the main menu: the menu's entity count is taken
// on the first one, and each later one must show that count again plus the
// editor's selection overlays (a selection lives on after the editor closes).
// Resident memory is taken on the first return after both modes were visited.
class MenuArrivalCheck {
public:
    void afterStep(const SoakDriver& driver, const UserTally& tally)
    {
        const GameState& state = *driver.controller.gameState;
        const bool inMenu = state.mode == GameState::modeMainMenu && !state.paused;
        menuStreak = inMenu ? menuStreak + 1 : 0;
        if (menuStreak != entityCheckDelay) return;

        const int expected = baseline + static_cast<int>(driver.controller.editorState->selection.size());
        const int alive = driver.aliveEntities();
        if (baseline < 0) {
            baseline = alive;
            return;
        }
        ++returns;
        counts.push_back(alive);
        if (alive != expected)
            mismatches.push_back("step " + std::to_string(driver.stepCount) + ": " + std::to_string(alive) +
                                 " entities alive, expected " + std::to_string(expected));
        if (warmUpBytes == 0 && tally.sessionsPlayed > 0 && tally.sessionsEdited > 0) {
            warmUpBytes = residentBytes();
            warmUpStep = driver.stepCount;
        }
    }

    int baseline = -1;
    int returns = 0;
    std::vector<int> counts;
    std::vector<std::string> mismatches;
    uint64_t warmUpBytes = 0;
    int warmUpStep = 0;

private:
    int menuStreak = 0;
};

} // namespace

// AddressSanitizer keeps freed blocks resident in its quarantine, so resident
// memory says nothing about the game's own growth in that build.
#if defined(__SANITIZE_ADDRESS__)
constexpr bool residentMemoryTracksTheGame = false;
#else
constexpr bool residentMemoryTracksTheGame = true;
#endif

TEST(GameSoak, RandomUserThroughEveryModeLeavesNoErrorsEntitiesOrMemoryBehind)
{
    const long steps = environmentNumber("GAME_SOAK_STEPS", defaultSteps);
    const auto seed = static_cast<uint32_t>(environmentNumber("GAME_SOAK_SEED", defaultSeed));
    const int renderEvery = static_cast<int>(environmentNumber("GAME_SOAK_RENDER_EVERY", defaultRenderEvery));
    ASSERT_GT(renderEvery, 0);

    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();
    const auto started = std::chrono::steady_clock::now();
    auto driver = std::make_unique<SoakDriver>(renderEvery);
    SoakUser user(*driver, seed);
    MenuArrivalCheck arrivals;
    size_t mostSelected = 0;
    for (long i = 0; i < steps; ++i) {
        user.act();
        arrivals.afterStep(*driver, user.tally);
        mostSelected = std::max(mostSelected, driver->controller.editorState->selection.size());
    }
    const uint64_t endBytes = residentBytes();
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    const int framesDrawn = driver->framesDrawn;
    const int leftoverGLErrors = driver->leftoverGLErrors;
    driver.reset();
    std::fflush(stdout);
    std::cout.flush();
    testing::internal::GetCapturedStdout();
    const std::string errors = testing::internal::GetCapturedStderr();

    const UserTally& tally = user.tally;
    std::cout << "soak: " << steps << " steps, " << framesDrawn << " frames, " << seconds << " s, seed " << seed
              << "; resident " << megabytes(arrivals.warmUpBytes) << " MB at step " << arrivals.warmUpStep << ", "
              << megabytes(endBytes) << " MB at the end; menu entities " << arrivals.baseline << ", "
              << arrivals.returns << " returns to the menu; play " << tally.playSteps << ", editor "
              << tally.editorSteps << ", menu " << tally.menuSteps << ", paused " << tally.pausedSteps
              << " steps; at most " << mostSelected << " blocks selected\n";

    EXPECT_EQ(joined(linesStartingWith(errors, "GL_")), "") << "GL errors reported by the game";
    EXPECT_EQ(errors, "") << "complaints on standard error";
    EXPECT_EQ(leftoverGLErrors, 0) << "GL errors left after a frame";
    EXPECT_EQ(joined(tally.surprises), "") << "gestures that did not do what a player expects";
    EXPECT_EQ(joined(arrivals.mismatches), "") << "entities left behind on returning to the menu";

    // The run must really have gone through every mode and gesture.
    EXPECT_GE(arrivals.returns, neededReturnsToMenu);
    EXPECT_GT(tally.sessionsPlayed, 0);
    EXPECT_GT(tally.sessionsEdited, 0);
    EXPECT_GT(tally.resumes, 0);
    for (int count : {tally.walks, tally.jumps, tally.ropeShots, tally.cameraDrags, tally.cameraShifts,
                      tally.wheelNotches, tally.picks, tally.shiftPicks})
        EXPECT_GT(count, 0);
    EXPECT_GE(mostSelected, 2u) << "picks and shift-picks never built a selection of several blocks";

    ASSERT_GT(arrivals.warmUpBytes, 0u) << "never came back to the menu after visiting both modes";
    if (residentMemoryTracksTheGame) {
        EXPECT_LE(endBytes, arrivals.warmUpBytes + allowedGrowthBytes)
            << "resident memory grew from " << megabytes(arrivals.warmUpBytes) << " MB to " << megabytes(endBytes)
            << " MB";
    }
}

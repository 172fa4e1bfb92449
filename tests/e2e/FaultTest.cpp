#include "tests/e2e/Desktop.h"
#include "tests/e2e/FaultRunFolder.h"
#include "tests/e2e/GameProcess.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <filesystem>
#include <functional>
#include <sstream>
#include <thread>

using namespace E2E;
namespace fs = std::filesystem;

namespace {

// Two games at a time keep a two-core machine busy without starving either.
constexpr int parallelGames = 2;
constexpr const char* initEndLine = "GC INIT END";
constexpr const char* lastStartupLine = "FLOOR ID: 161";
constexpr const char* missingFilePrefix = "MISSING FILE: ";
constexpr const char* fontDescription = "data/fonts/engine_font.fnt";
// Frames keep coming for this long before the game is closed: long enough
// to draw with every resource a few times.
constexpr Duration runningTime(400);
constexpr Duration exitTimeout(10000);
constexpr Duration searchInterval(100);
constexpr int defaultWidth = 1280;
constexpr int defaultHeight = 720;

bool hasExtension(const std::string& path, const std::vector<std::string>& extensions)
{
    const std::string extension = fs::path(path).extension().string();
    return std::find(extensions.begin(), extensions.end(), extension) != extensions.end();
}

// Files start-up cannot go on without.
bool isEssential(const std::string& path)
{
    return hasExtension(path, {".cmesh", ".camesh", ".cskel", ".canim", ".shconf"});
}
// Files the game can do without: a shader that does not compile leaves its
// program empty, an image that cannot be read an empty texture.
bool isDispensable(const std::string& path) { return hasExtension(path, {".vert", ".frag", ".png"}); }
// Marker files of the build, not read by the game.
bool isHidden(const std::string& path) { return fs::path(path).filename().string().front() == '.'; }

struct FaultCase {
    std::string file; // relative to the run folder: "data/..."
    Damage damage = Damage::Missing;

    std::string name() const { return file + " " + damageName(damage); }
};

// What a started game did: ran its frames and closed with code zero when
// asked, or stopped during start-up.
struct GameOutcome {
    bool ran = false;
    std::optional<ExitStatus> status; // nullopt: did not end when expected
    std::vector<std::string> output;
    std::vector<std::string> errors;
    std::optional<WindowGeometry> window;

    std::string describe() const
    {
        std::ostringstream text;
        text << (ran ? "ran" : "stopped during start-up");
        if (!status) text << ", did not end";
        else if (status->exited) text << ", exit code " << status->code;
        else text << ", signal " << status->signal;
        text << "\nstdout:\n";
        for (const std::string& line : output) text << "  " << line << "\n";
        text << "stderr:\n";
        for (const std::string& line : errors) text << "  " << line << "\n";
        return text.str();
    }
};

// A search fails outright when a window disappears while xdotool walks the
// window tree (another game closing at that moment), so it is repeated until
// the window turns up, the game ends or start-up time is over.
std::optional<WindowId> windowOf(GameProcess& game)
{
    const auto deadline = std::chrono::steady_clock::now() + startupTimeout;
    while (game.running() && std::chrono::steady_clock::now() < deadline) {
        // --all: by default xdotool matches windows meeting any one of the
        // conditions, which finds the other game's window as well.
        const CommandResult found =
            runCommand({"xdotool", "search", "--all", "--pid", std::to_string(game.pid()), "--name", "^Engine$"});
        const std::vector<std::string> ids = splitLines(found.output, true);
        if (found.succeeded() && !ids.empty()) return std::stoul(ids.front());
        std::this_thread::sleep_for(searchInterval);
    }
    return std::nullopt;
}

// Starts the game in the run folder; when start-up finishes it lets frames
// run, then closes the window the way a window manager does. Several games
// may run side by side: the window is found by the game's process id.
GameOutcome playBriefly(const std::string& runDir)
{
    Desktop desktop;
    GameLaunch launch;
    launch.runDir = runDir;
    GameProcess game(launch);
    GameOutcome outcome;
    if (game.waitForLine(initEndLine, startupTimeout) && game.waitForLine(lastStartupLine, startupTimeout)) {
        std::this_thread::sleep_for(runningTime);
        const std::optional<WindowId> window = windowOf(game);
        outcome.ran = game.running() && window;
        if (window) {
            outcome.window = desktop.geometry(*window);
            desktop.closeWindow(*window);
        }
    }
    outcome.status = game.waitForExit(outcome.ran ? exitTimeout : startupTimeout);
    outcome.output = game.outputLines();
    outcome.errors = game.errorLines();
    return outcome;
}

GameOutcome playWithDamage(const FaultCase& fault)
{
    FaultRunFolder runFolder;
    runFolder.damage(fault.file, fault.damage);
    return playBriefly(runFolder.path());
}

// Plays every case, a few games at a time; outcomes in the cases' order.
std::vector<GameOutcome> playAll(const std::vector<FaultCase>& cases)
{
    std::vector<GameOutcome> outcomes(cases.size());
    std::atomic<std::size_t> next{0};
    std::vector<std::thread> workers;
    for (int i = 0; i < parallelGames; ++i)
        workers.emplace_back([&] {
            for (std::size_t at = next++; at < cases.size(); at = next++) outcomes[at] = playWithDamage(cases[at]);
        });
    for (std::thread& worker : workers) worker.join();
    return outcomes;
}

std::vector<FaultCase> casesOf(const std::function<bool(const std::string&)>& selected,
                               const std::vector<Damage>& damages)
{
    std::vector<FaultCase> cases;
    for (const std::string& file : runFolderDataFiles())
        if (!isHidden(file) && selected(file))
            for (Damage damage : damages) cases.push_back({file, damage});
    return cases;
}

const std::vector<Damage> allDamages = {Damage::Missing, Damage::TruncatedToHalf, Damage::RandomBytes};

void expectRanAndClosedCleanly(const FaultCase& fault, const GameOutcome& outcome)
{
    EXPECT_TRUE(outcome.ran && outcome.status && outcome.status->exitedWith(0))
        << fault.name() << ": expected the game to run and close with code 0; " << outcome.describe();
}

bool stoppedWithOneLineNamingTheFile(const FaultCase& fault, const GameOutcome& outcome)
{
    const bool stopped = !outcome.ran && outcome.status && outcome.status->exited && outcome.status->code != 0;
    return stopped && outcome.errors.size() == 1 && outcome.errors.front().find(fault.file) != std::string::npos;
}

void expectStoppedWithOneLineNamingTheFile(const FaultCase& fault, const GameOutcome& outcome)
{
    EXPECT_TRUE(stoppedWithOneLineNamingTheFile(fault, outcome))
        << fault.name() << ": expected a non-zero exit and one error line naming the file; " << outcome.describe();
}

} // namespace

TEST(FaultData, DamagedMeshSkeletonClipOrShaderListStopsStartUpWithOneLineNamingTheFile)
{
    const std::vector<FaultCase> cases = casesOf(isEssential, allDamages);
    ASSERT_FALSE(cases.empty());
    const std::vector<GameOutcome> outcomes = playAll(cases);
    for (std::size_t i = 0; i < cases.size(); ++i) expectStoppedWithOneLineNamingTheFile(cases[i], outcomes[i]);
}

TEST(FaultData, DamagedShaderSourcesAndImagesLeaveAGameThatRunsAndClosesCleanly)
{
    const std::vector<FaultCase> cases = casesOf(isDispensable, allDamages);
    ASSERT_FALSE(cases.empty());
    const std::vector<GameOutcome> outcomes = playAll(cases);
    for (std::size_t i = 0; i < cases.size(); ++i) expectRanAndClosedCleanly(cases[i], outcomes[i]);
}

// A font description either still reads (with whatever glyphs survive) or
// stops start-up at its first malformed number.
TEST(FaultData, DamagedFontDescriptionRunsOrStopsWithOneLineNamingIt)
{
    const std::vector<FaultCase> cases = {{fontDescription, Damage::TruncatedToHalf},
                                          {fontDescription, Damage::RandomBytes}};
    const std::vector<GameOutcome> outcomes = playAll(cases);
    for (std::size_t i = 0; i < cases.size(); ++i) {
        const bool ranCleanly = outcomes[i].ran && outcomes[i].status && outcomes[i].status->exitedWith(0);
        EXPECT_TRUE(ranCleanly || stoppedWithOneLineNamingTheFile(cases[i], outcomes[i]))
            << cases[i].name() << ": " << outcomes[i].describe();
    }
}

TEST(FaultData, MissingFontIsReportedAndTheGameRuns)
{
    const FaultCase fault{fontDescription, Damage::Missing};
    const GameOutcome outcome = playWithDamage(fault);
    expectRanAndClosedCleanly(fault, outcome);
    const auto reportsTheFont = [](const std::string& line) {
        return line.rfind(missingFilePrefix, 0) == 0 && line.find(fontDescription) != std::string::npos;
    };
    EXPECT_TRUE(std::any_of(outcome.output.begin(), outcome.output.end(), reportsTheFont)) << outcome.describe();
}

TEST(FaultConfig, GarbageLinesLeaveTheDefaultWindowAndTheGameRuns)
{
    TemporaryRunFolder runFolder(std::string("\x01\x02 = = =\nresolution_width\n= 3\n#\xff\xfe\nvsync = yes please\n"
                                             "resolution_height = \nfullscreen maybe\n\n"));
    const GameOutcome outcome = playBriefly(runFolder.path());
    ASSERT_TRUE(outcome.ran) << outcome.describe();
    ASSERT_TRUE(outcome.window) << outcome.describe();
    EXPECT_EQ(outcome.window->width, defaultWidth);
    EXPECT_EQ(outcome.window->height, defaultHeight);
    ASSERT_TRUE(outcome.status) << outcome.describe();
    EXPECT_TRUE(outcome.status->exitedWith(0)) << outcome.describe();
}

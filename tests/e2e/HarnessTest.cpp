#include "tests/e2e/ChildProcess.h"
#include "tests/e2e/GameProcess.h"
#include "tests/e2e/Screenshot.h"
#include "tests/e2e/XInput.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <fstream>

// The harness the end-to-end tests stand on: if it misreads a process or
// the screen, every game test built on it would mislead.
using namespace E2E;

namespace {

constexpr Duration shortWait(5000);

ChildProcess shell(const std::string& script, const std::string& workDir = "")
{
    return ChildProcess(Launch{{"sh", "-c", script}, workDir, {}, {}});
}

} // namespace

TEST(ChildProcessHarness, CollectsLinesOfBothStreamsAndTheExitCode)
{
    ChildProcess process = shell("echo one; echo two >&2; printf 'three'; exit 7");
    const std::optional<ExitStatus> status = process.waitForExit(shortWait);
    ASSERT_TRUE(status);
    EXPECT_TRUE(status->exitedWith(7));
    EXPECT_EQ(process.outputLines(), (std::vector<std::string>{"one", "three"}));
    EXPECT_EQ(process.errorLines(), (std::vector<std::string>{"two"}));
}

TEST(ChildProcessHarness, WaitsForALineWhileTheProgramRuns)
{
    ChildProcess process = shell("echo early; sleep 0.3; echo READY; sleep 30");
    EXPECT_TRUE(process.waitForLine("READY", shortWait));
    EXPECT_TRUE(process.running());
    EXPECT_FALSE(process.waitForLine("NEVER", Duration(200)));
    EXPECT_EQ(process.waitForLineStartingWith("ear", Duration(0)), "early");
}

TEST(ChildProcessHarness, ReportsTheSignalThatEndedTheProgram)
{
    ChildProcess process = shell("sleep 30");
    EXPECT_FALSE(process.waitForExit(Duration(100)));
    process.sendSignal(SIGTERM);
    const std::optional<ExitStatus> status = process.waitForExit(shortWait);
    ASSERT_TRUE(status);
    EXPECT_FALSE(status->exited);
    EXPECT_EQ(status->signal, SIGTERM);
}

TEST(ChildProcessHarness, RunsInTheGivenFolderWithTheGivenEnvironment)
{
    ChildProcess process(Launch{{"sh", "-c", "pwd; echo \"$HARNESS_VALUE\"; echo \"${HOME:-unset}\""}, "/tmp",
                                {{"HARNESS_VALUE", "42"}}, {"HOME"}});
    ASSERT_TRUE(process.waitForExit(shortWait));
    EXPECT_EQ(process.outputLines(), (std::vector<std::string>{"/tmp", "42", "unset"}));
}

TEST(ChildProcessHarness, ProgramThatCannotStartThrowsWithTheReason)
{
    EXPECT_THROW(ChildProcess(Launch{{"no-such-program-here"}, "", {}, {}}), std::runtime_error);
    EXPECT_THROW(ChildProcess(Launch{{"true"}, "/no/such/folder", {}, {}}), std::runtime_error);
}

TEST(ScreenshotHarness, ReadsBinaryPpmRowsFromTheTop)
{
    const std::string ppm = std::string("P6\n# made by hand\n2 2\n255\n") + std::string("\x01\x02\x03\x04\x05\x06", 6)
        + std::string("\x07\x08\x09\xfa\xfb\xfc", 6);
    const Screenshot shot = Screenshot::fromPpm(ppm);
    EXPECT_EQ(shot.width(), 2);
    EXPECT_EQ(shot.height(), 2);
    EXPECT_TRUE(closeTo(shot.pixel(1, 0), Rgb{4, 5, 6}, 0));
    EXPECT_TRUE(closeTo(shot.pixel(1, 1), Rgb{250, 251, 252}, 0));
    EXPECT_THROW(shot.pixel(2, 0), std::out_of_range);
}

TEST(ScreenshotHarness, TruncatedImageIsRefused)
{
    EXPECT_THROW(Screenshot::fromPpm("P6 2 2 255\n\x01\x02"), std::runtime_error);
    EXPECT_THROW(Screenshot::fromPpm("P3 1 1 255\n0 0 0"), std::runtime_error);
}

TEST(ScreenshotHarness, CapturesTheWholeScreen)
{
    const Screenshot shot = Screenshot::capture();
    EXPECT_EQ(shot.width(), 1280);
    EXPECT_EQ(shot.height(), 720);
}

TEST(XInputHarness, MovesThePointerToAbsoluteAndRelativePositions)
{
    XInput::mouseMove(200, 150);
    XInput::mouseMoveRelative(-20, 10);
    const std::string location = runCheckedCommand({"xdotool", "getmouselocation", "--shell"});
    EXPECT_NE(location.find("X=180\n"), std::string::npos) << location;
    EXPECT_NE(location.find("Y=160\n"), std::string::npos) << location;
}

TEST(RunFolderHarness, HoldsItsOwnProfileAndTheBuildsDataAndIsRemoved)
{
    std::filesystem::path folder;
    {
        TemporaryRunFolder runFolder("vsync = 1\n");
        folder = runFolder.path();
        std::ifstream config(folder / "profile" / "config.cfg");
        std::string line;
        std::getline(config, line);
        EXPECT_EQ(line, "vsync = 1");
        EXPECT_TRUE(std::filesystem::equivalent(folder / "data", std::filesystem::path(gameRunDir()) / "data"));
    }
    EXPECT_FALSE(std::filesystem::exists(folder));
    TemporaryRunFolder withoutConfig(std::nullopt);
    EXPECT_FALSE(std::filesystem::exists(std::filesystem::path(withoutConfig.path()) / "profile" / "config.cfg"));
}

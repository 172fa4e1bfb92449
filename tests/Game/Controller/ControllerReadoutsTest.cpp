#include "Game/Controller/GLErrorReport.h"
#include "Game/Controller/StepReadouts.h"

#include <GL/glew.h>
#include <gtest/gtest.h>

#include <sstream>
#include <vector>

using namespace Game;
using namespace Game::StepReadouts;

namespace {

// Hands out the given codes one by one, then 0 as glGetError does.
struct ErrorQueue {
    std::vector<uint32_t> codes;
    size_t calls = 0;

    uint32_t operator()()
    {
        const size_t index = calls++;
        return index < codes.size() ? codes[index] : 0;
    }
};

} // namespace

TEST(GLErrorReport, NamedCodesGiveTheirLines)
{
    EXPECT_EQ(glErrorLine(GL_INVALID_ENUM), "GL_INVALID_ENUM - GameController:376");
    EXPECT_EQ(glErrorLine(GL_INVALID_VALUE), "GL_INVALID_VALUE - GameController:376");
    EXPECT_EQ(glErrorLine(GL_INVALID_OPERATION), "GL_INVALID_OPERATION - GameController:376");
    EXPECT_EQ(glErrorLine(GL_OUT_OF_MEMORY), "GL_OUT_OF_MEMORY - GameController:376");
    EXPECT_EQ(glErrorLine(GL_INVALID_FRAMEBUFFER_OPERATION),
              "GL_INVALID_FRAMEBUFFER_OPERATION - GameController:376");
}

TEST(GLErrorReport, UnknownCodesHaveAnEmptyName)
{
    // The stack errors sit between the named codes and are not named.
    EXPECT_EQ(glErrorLine(0x0503), "GL_ - GameController:376");
    EXPECT_EQ(glErrorLine(0x0504), "GL_ - GameController:376");
    EXPECT_EQ(glErrorLine(0x1234), "GL_ - GameController:376");
}

TEST(GLErrorReport, DrainWritesOneLinePerPendingErrorUntilNoneIsLeft)
{
    ErrorQueue queue{{GL_INVALID_VALUE, 0x0503, GL_INVALID_OPERATION}};
    std::ostringstream out;
    const int lines = reportErrors(std::ref(queue), out);
    EXPECT_EQ(lines, 3);
    EXPECT_EQ(out.str(),
              "GL_INVALID_VALUE - GameController:376\n"
              "GL_ - GameController:376\n"
              "GL_INVALID_OPERATION - GameController:376\n");
    EXPECT_EQ(queue.calls, 4u) << "the drain stops at the first call without an error";
}

TEST(GLErrorReport, NothingPendingWritesNothing)
{
    ErrorQueue queue;
    std::ostringstream out;
    EXPECT_EQ(reportErrors(std::ref(queue), out), 0);
    EXPECT_EQ(out.str(), "");
}

TEST(AnimationPhase, NeverExceedsOneAndWrapsToZeroRoughlyEvery300Steps)
{
    float phase = 0.0f;
    std::vector<int> wrapSteps;
    for (int step = 1; step <= 1000; ++step) {
        const float before = phase;
        phase = advanceAnimationPhase(phase);
        ASSERT_LE(phase, 1.0f) << "step " << step;
        if (phase == 0.0f) {
            wrapSteps.push_back(step);
            EXPECT_GT(before + animationPhaseStep, 1.0f) << "wrapped only once past 1";
        } else {
            EXPECT_NEAR(phase - before, animationPhaseStep, 1e-6f);
        }
    }
    ASSERT_EQ(wrapSteps.size(), 3u);
    EXPECT_NEAR(wrapSteps[0], 301, 1);
    EXPECT_NEAR(wrapSteps[1] - wrapSteps[0], 301, 1);
}

TEST(AnimationPhase, APhaseAtOneWrapsOnTheNextStep)
{
    EXPECT_EQ(advanceAnimationPhase(1.0f), 0.0f);
    EXPECT_FLOAT_EQ(advanceAnimationPhase(0.5f), 0.5f + animationPhaseStep);
}

TEST(SpeedReadout, MetresPerSecondBecomeKilometresPerHourRoundedUp)
{
    EXPECT_EQ(speedKilometresPerHour(glm::vec3(0.0f)), 0);
    EXPECT_EQ(speedKilometresPerHour(glm::vec3(8.0f, 0.0f, 0.0f)), 29); // 28.8
    EXPECT_EQ(speedKilometresPerHour(glm::vec3(0.0f, 0.0f, -0.001f)), 1);
    EXPECT_EQ(speedKilometresPerHour(glm::vec3(3.0f, 4.0f, 0.0f)), 18);
}

TEST(SpeedReadout, WholeResultsAreNotRoundedUpByFloatingPointNoise)
{
    // 65 m/s is exactly 234 km/h; dividing by 1000 before multiplying lands
    // just above 234 and would show 235.
    EXPECT_EQ(speedKilometresPerHour(glm::vec3(65.0f, 0.0f, 0.0f)), 234);
    EXPECT_EQ(speedKilometresPerHour(glm::vec3(0.0f, 85.0f, 0.0f)), 306);
}

TEST(SpeedReadout, LineFormat)
{
    EXPECT_EQ(speedLine(29), "Speed: 29 km/h");
    EXPECT_EQ(speedLine(0), "Speed: 0 km/h");
}

TEST(FrameRateReadout, RoundsOneSecondOverTheAverageFrameTime)
{
    EXPECT_EQ(framesPerSecond(10.0f), 100);
    EXPECT_EQ(framesPerSecond(16.0f), 63); // 62.5 rounds up
    EXPECT_EQ(framesPerSecond(30.0f), 33);
    EXPECT_EQ(framesPerSecond(0.015625f), 64000);
}

TEST(FrameRateReadout, NoMeasuredFrameShowsZero)
{
    EXPECT_EQ(framesPerSecond(0.0f), 0);
    EXPECT_EQ(fpsLine(framesPerSecond(0.0f)), "FPS: 0");
    EXPECT_EQ(fpsLine(100), "FPS: 100");
}

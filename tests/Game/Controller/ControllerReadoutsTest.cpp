#include "Game/Controller/GLErrorReport.h"
#include "Game/Controller/StepReadouts.h"

#include <GL/glew.h>
#include <gtest/gtest.h>

#include <sstream>
#include <vector>

using namespace Game;
using namespace Game::StepReadouts;

TEST(GLErrorReport, LinesNameKnownCodesAndLeaveOthersEmpty)
{
    const struct { uint32_t code; const char* line; } rows[] = {
        {GL_INVALID_ENUM, "GL_INVALID_ENUM - GameController:376"},
        {GL_INVALID_VALUE, "GL_INVALID_VALUE - GameController:376"},
        {GL_INVALID_OPERATION, "GL_INVALID_OPERATION - GameController:376"},
        {GL_OUT_OF_MEMORY, "GL_OUT_OF_MEMORY - GameController:376"},
        {GL_INVALID_FRAMEBUFFER_OPERATION, "GL_INVALID_FRAMEBUFFER_OPERATION - GameController:376"},
        // The stack errors sit between the named codes and are not named.
        {0x0503, "GL_ - GameController:376"},
        {0x1234, "GL_ - GameController:376"},
    };
    for (const auto& row : rows) EXPECT_EQ(glErrorLine(row.code), row.line) << row.code;
}

TEST(GLErrorReport, DrainWritesOneLinePerPendingErrorUntilNoneIsLeft)
{
    const std::vector<uint32_t> codes{GL_INVALID_VALUE, 0x0503, GL_INVALID_OPERATION};
    size_t calls = 0;
    const auto queue = [&]() -> uint32_t { return calls < codes.size() ? codes[calls++] : (++calls, 0u); };
    std::ostringstream out;
    EXPECT_EQ(reportErrors(queue, out), 3);
    EXPECT_EQ(out.str(),
              "GL_INVALID_VALUE - GameController:376\n"
              "GL_ - GameController:376\n"
              "GL_INVALID_OPERATION - GameController:376\n");
    EXPECT_EQ(calls, 4u) << "the drain stops at the first call without an error";
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
    EXPECT_EQ(advanceAnimationPhase(1.0f), 0.0f);
}

TEST(SpeedReadout, MetresPerSecondBecomeKilometresPerHourRoundedUp)
{
    // 65 and 85 m/s are whole km/h: floating-point noise must not round them up.
    const struct { glm::vec3 velocity; int kmh; } rows[] = {
        {glm::vec3(0.0f), 0},           {glm::vec3(8.0f, 0.0f, 0.0f), 29},  {glm::vec3(0.0f, 0.0f, -0.001f), 1},
        {glm::vec3(3.0f, 4.0f, 0.0f), 18}, {glm::vec3(65.0f, 0.0f, 0.0f), 234}, {glm::vec3(0.0f, 85.0f, 0.0f), 306},
    };
    for (const auto& row : rows) EXPECT_EQ(speedKilometresPerHour(row.velocity), row.kmh) << row.kmh;
    EXPECT_EQ(speedLine(29), "Speed: 29 km/h");
}

TEST(FrameRateReadout, RoundsOneSecondOverTheAverageFrameTimeAndShowsZeroWithoutFrames)
{
    EXPECT_EQ(framesPerSecond(10.0f), 100);
    EXPECT_EQ(framesPerSecond(16.0f), 63); // 62.5 rounds up
    EXPECT_EQ(framesPerSecond(0.015625f), 64000);
    EXPECT_EQ(framesPerSecond(0.0f), 0);
    EXPECT_EQ(fpsLine(framesPerSecond(0.0f)), "FPS: 0");
}

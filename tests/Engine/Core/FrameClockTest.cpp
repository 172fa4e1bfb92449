#include "Engine/Core/FrameClock.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <numeric>

using Engine::FrameClock;

namespace {

constexpr uint32_t stepMs = 10;

FrameClock clockWithStep(uint32_t stepLength, uint32_t startTick = 0)
{
    FrameClock clock;
    clock.stepLength = stepLength;
    clock.lastTickCount = startTick;
    return clock;
}

// Runs the step part of one frame as the loop does and returns the number
// of updates it would call.
uint32_t runSteps(FrameClock& clock)
{
    uint32_t steps = 0;
    while (clock.consumeStep(steps))
        ++steps;
    return steps;
}

} // namespace

TEST(FrameClockSteps, ExactlyOneStepLengthRunsOneUpdateAndLeavesAlphaZero)
{
    FrameClock clock = clockWithStep(stepMs, 1000);
    clock.beginFrame(1000 + stepMs);
    const uint32_t steps = runSteps(clock);
    EXPECT_EQ(steps, 1u);
    EXPECT_EQ(clock.accumulator, 0u);
    const Engine::RenderCall call = clock.renderCall(steps, true);
    EXPECT_TRUE(call.render);
    EXPECT_FLOAT_EQ(call.alpha, 0.0f);
}

TEST(FrameClockSteps, RemainderBecomesTheAlphaOfTheRender)
{
    FrameClock clock = clockWithStep(stepMs);
    clock.beginFrame(37);
    EXPECT_EQ(runSteps(clock), 3u);
    EXPECT_EQ(clock.accumulator, 7u);
    EXPECT_FLOAT_EQ(clock.renderCall(3, true).alpha, 0.7f);
}

TEST(FrameClockSteps, LongStallRunsTenUpdatesAndDropsOneStepPerFrameUntilItCatchesUp)
{
    FrameClock clock = clockWithStep(stepMs);
    clock.beginFrame(1005); // a stall of just over a second
    const uint32_t frameCost = (FrameClock::maxStepsPerFrame + 1) * stepMs;

    uint32_t expected = 1005;
    while (expected >= frameCost) {
        EXPECT_EQ(runSteps(clock), FrameClock::maxStepsPerFrame);
        expected -= frameCost;
        EXPECT_EQ(clock.accumulator, expected);
        clock.beginFrame(clock.lastTickCount); // no time passes between frames
    }
    // 1005 - 9 * 110 = 15: the frame that catches up runs one update.
    EXPECT_EQ(expected, 15u);
    EXPECT_EQ(runSteps(clock), 1u);
    EXPECT_EQ(clock.accumulator, 5u);
}

TEST(FrameClockSteps, TenWholeStepsRunTenUpdatesWithoutDroppingAnything)
{
    FrameClock clock = clockWithStep(stepMs);
    clock.beginFrame(10 * stepMs + 9);
    EXPECT_EQ(runSteps(clock), 10u);
    EXPECT_EQ(clock.accumulator, 9u);
}

TEST(FrameClockSteps, TickCounterWrapStillGivesTheTrueDelta)
{
    FrameClock clock = clockWithStep(stepMs, UINT32_MAX - 4);
    clock.beginFrame(20); // 5 ticks to reach 0 after the wrap, then 20 more
    EXPECT_EQ(clock.accumulator, 25u);
    EXPECT_EQ(clock.frameTimes[0], 25u);
    EXPECT_EQ(clock.lastTickCount, 20u);
}

TEST(FrameClockSteps, StepLengthChangedBetweenFramesIsUsedAtOnce)
{
    FrameClock clock = clockWithStep(16);
    clock.beginFrame(40);
    clock.stepLength = stepMs;
    EXPECT_EQ(runSteps(clock), 4u);
}

TEST(FrameClockRender, InterpolationRendersEveryFrameEvenWithoutSteps)
{
    FrameClock clock = clockWithStep(stepMs);
    clock.beginFrame(4);
    const uint32_t steps = runSteps(clock);
    const Engine::RenderCall call = clock.renderCall(steps, true);
    EXPECT_EQ(steps, 0u);
    EXPECT_TRUE(call.render);
    EXPECT_FLOAT_EQ(call.alpha, 0.4f);
}

TEST(FrameClockRender, WithoutInterpolationAFrameWithoutStepsSkipsTheRender)
{
    FrameClock clock = clockWithStep(stepMs);
    clock.beginFrame(4);
    EXPECT_FALSE(clock.renderCall(runSteps(clock), false).render);
}

TEST(FrameClockRender, WithoutInterpolationAFrameWithStepsRendersWithAlphaOne)
{
    FrameClock clock = clockWithStep(stepMs);
    clock.beginFrame(14);
    const Engine::RenderCall call = clock.renderCall(runSteps(clock), false);
    EXPECT_TRUE(call.render);
    EXPECT_FLOAT_EQ(call.alpha, 1.0f);
}

TEST(FrameClockRender, AlphaIsClampedToOneWhenTheCapLeftMoreThanAStep)
{
    FrameClock clock = clockWithStep(stepMs);
    clock.beginFrame(500);
    const uint32_t steps = runSteps(clock);
    ASSERT_GT(clock.accumulator, stepMs);
    EXPECT_FLOAT_EQ(clock.renderCall(steps, true).alpha, 1.0f);
}

TEST(FrameClockAverage, FirstFramesCountTheEmptyRingEntries)
{
    FrameClock clock = clockWithStep(stepMs);
    uint32_t now = 0;
    for (int frame = 1; frame <= 63; ++frame) {
        now += 16;
        clock.beginFrame(now);
        EXPECT_FLOAT_EQ(clock.averageFrameTime, 16.0f * frame / 64.0f) << "frame " << frame;
    }
    clock.beginFrame(now + 16);
    EXPECT_FLOAT_EQ(clock.averageFrameTime, 16.0f);
}

TEST(FrameClockAverage, RingOverwritesItsOldestEntryAfter64Frames)
{
    FrameClock clock = clockWithStep(stepMs);
    uint32_t now = 0;
    for (uint32_t frame = 0; frame < FrameClock::frameTimeCount; ++frame)
        clock.beginFrame(now += 10);
    EXPECT_EQ(clock.ringIndex, 0u);
    clock.beginFrame(now += 74);
    EXPECT_EQ(clock.ringIndex, 1u);
    EXPECT_EQ(clock.frameTimes[0], 74u);
    EXPECT_FLOAT_EQ(clock.averageFrameTime, (63 * 10 + 74) / 64.0f);
    EXPECT_EQ(std::accumulate(clock.frameTimes.begin(), clock.frameTimes.end(), 0u), 63u * 10 + 74);
}

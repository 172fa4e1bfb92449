#include "Engine/Core/FrameClock.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <numeric>

using Engine::FrameClock;

namespace {

constexpr uint32_t stepMs = 10;

FrameClock clockAt(uint32_t startTick, uint32_t stepLength = stepMs)
{
    FrameClock clock;
    clock.stepLength = stepLength;
    clock.lastTickCount = startTick;
    return clock;
}

// The step part of one frame as the loop runs it; returns the updates called.
uint32_t runSteps(FrameClock& clock)
{
    uint32_t steps = 0;
    while (clock.consumeStep(steps))
        ++steps;
    return steps;
}

} // namespace

TEST(FrameClock, OneFrameRunsWholeStepsAndRendersWithTheRemainder)
{
    struct Case {
        const char* name;
        uint32_t startTick, now;
        bool interpolate;
        uint32_t steps, accumulator;
        bool render;
        float alpha;
    };
    const Case cases[] = {
        {"exact step", 1000, 1000 + stepMs, true, 1, 0, true, 0.0f},
        {"remainder", 0, 37, true, 3, 7, true, 0.7f},
        {"ten whole steps", 0, 109, true, 10, 9, true, 0.9f},
        {"tick wrap", UINT32_MAX - 4, 20, true, 2, 5, true, 0.5f},
        {"no step, interpolated", 0, 4, true, 0, 4, true, 0.4f},
        {"no step, not interpolated", 0, 4, false, 0, 4, false, 0.0f},
        {"steps, not interpolated", 0, 14, false, 1, 4, true, 1.0f},
        {"capped, alpha clamped", 0, 500, true, 10, 390, true, 1.0f},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FrameClock clock = clockAt(c.startTick);
        clock.beginFrame(c.now);
        const uint32_t steps = runSteps(clock);
        EXPECT_EQ(steps, c.steps);
        EXPECT_EQ(clock.accumulator, c.accumulator);
        const Engine::RenderCall call = clock.renderCall(steps, c.interpolate);
        EXPECT_EQ(call.render, c.render);
        if (c.render) {
            EXPECT_FLOAT_EQ(call.alpha, c.alpha);
        }
    }
}

TEST(FrameClock, LongStallRunsTenUpdatesAndDropsOneStepPerFrameUntilItCatchesUp)
{
    FrameClock clock = clockAt(0);
    clock.beginFrame(1005);
    const uint32_t frameCost = (FrameClock::maxStepsPerFrame + 1) * stepMs;
    uint32_t expected = 1005;
    while (expected >= frameCost) {
        EXPECT_EQ(runSteps(clock), FrameClock::maxStepsPerFrame);
        expected -= frameCost;
        EXPECT_EQ(clock.accumulator, expected);
        clock.beginFrame(clock.lastTickCount);
    }
    // 1005 - 9 * 110 = 15: the frame that catches up runs one update.
    EXPECT_EQ(expected, 15u);
    EXPECT_EQ(runSteps(clock), 1u);
    EXPECT_EQ(clock.accumulator, 5u);
}

TEST(FrameClock, StepLengthChangedBetweenFramesIsUsedAtOnce)
{
    FrameClock clock = clockAt(0, 16);
    clock.beginFrame(40);
    clock.stepLength = stepMs;
    EXPECT_EQ(runSteps(clock), 4u);
}

TEST(FrameClock, MeanCoversTheLast64FramesCountingEmptyEntriesAtFirst)
{
    FrameClock clock = clockAt(0);
    for (uint32_t frame = 1; frame <= 63; ++frame) {
        clock.beginFrame(16 * frame);
        EXPECT_FLOAT_EQ(clock.averageFrameTime, 16.0f * frame / 64.0f) << "frame " << frame;
    }
    clock.beginFrame(16 * 64);
    EXPECT_FLOAT_EQ(clock.averageFrameTime, 16.0f);
    EXPECT_EQ(clock.ringIndex, 0u);

    clock.beginFrame(16 * 64 + 74);
    EXPECT_EQ(clock.ringIndex, 1u);
    EXPECT_EQ(clock.frameTimes[0], 74u);
    EXPECT_FLOAT_EQ(clock.averageFrameTime, (63 * 16 + 74) / 64.0f);
    EXPECT_EQ(std::accumulate(clock.frameTimes.begin(), clock.frameTimes.end(), 0u), 63u * 16 + 74);
}

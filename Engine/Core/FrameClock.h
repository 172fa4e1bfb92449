#pragma once

#include <array>
#include <cstdint>

namespace Engine {

// What the loop does after a frame's update steps.
struct RenderCall {
    bool render = false;
    float alpha = 0.0f;
};

// The loop's timing: elapsed milliseconds accumulate and are consumed in
// whole steps, at most maxStepsPerFrame updates per frame; the last 64 frame
// times give a running mean. Plain arithmetic on tick counts, so it runs
// without SDL; the engine feeds it SDL_GetTicks().
class FrameClock {
public:
    static constexpr uint32_t frameTimeCount = 64;
    static constexpr uint32_t maxStepsPerFrame = 10;

    // Adds the time since the last frame (unsigned, so a wrap of the 32-bit
    // tick counter still gives the right difference) and updates the mean.
    void beginFrame(uint32_t now);

    // Consumes one step length when the accumulator holds one; true when an
    // update should run for it. The step length is taken off before the cap
    // is tested, so a frame far behind drops one extra step without update.
    bool consumeStep(uint32_t stepsRun);

    // With interpolation every frame renders with the clamped remainder;
    // without it, a frame that ran no step neither renders nor swaps.
    RenderCall renderCall(uint32_t stepsRun, bool interpolate) const;

    uint32_t lastTickCount = 0;
    uint32_t accumulator = 0; // milliseconds not yet simulated
    uint32_t stepLength = 0;  // milliseconds per update step
    uint32_t ringIndex = 0;
    std::array<uint32_t, frameTimeCount> frameTimes{};
    float averageFrameTime = 0.0f; // milliseconds, mean of frameTimes

private:
    void recordFrameTime(uint32_t delta);
};

} // namespace Engine

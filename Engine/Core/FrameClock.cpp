#include "Engine/Core/FrameClock.h"

#include <algorithm>

namespace Engine {

namespace {
constexpr float meanFactor = 1.0f / FrameClock::frameTimeCount;
}

void FrameClock::beginFrame(uint32_t now)
{
    const uint32_t delta = now - lastTickCount;
    lastTickCount = now;
    accumulator += delta;
    recordFrameTime(delta);
}

bool FrameClock::consumeStep(uint32_t stepsRun)
{
    if (accumulator < stepLength)
        return false;
    accumulator -= stepLength;
    return stepsRun < maxStepsPerFrame;
}

RenderCall FrameClock::renderCall(uint32_t stepsRun, bool interpolate) const
{
    if (!interpolate)
        return RenderCall{stepsRun > 0, 1.0f};
    const float alpha = static_cast<float>(accumulator) / static_cast<float>(stepLength);
    return RenderCall{true, std::clamp(alpha, 0.0f, 1.0f)};
}

void FrameClock::recordFrameTime(uint32_t delta)
{
    frameTimes[ringIndex] = delta;
    ringIndex = (ringIndex + 1) % frameTimeCount;
    uint32_t sum = 0;
    for (uint32_t time : frameTimes)
        sum += time;
    averageFrameTime = static_cast<float>(sum) * meanFactor;
}

} // namespace Engine

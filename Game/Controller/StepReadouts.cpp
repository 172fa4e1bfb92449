#include "Game/Controller/StepReadouts.h"

#include <cmath>

namespace Game::StepReadouts {

namespace {

constexpr double metresPerKilometre = 1000.0;
constexpr double secondsPerHour = 60.0 * 60.0;
constexpr float millisecondsPerSecond = 1000.0f;

} // namespace

float advanceAnimationPhase(float phase)
{
    const float next = phase + animationPhaseStep;
    return next > 1.0f ? 0.0f : next;
}

int64_t speedKilometresPerHour(const glm::vec3& velocity)
{
    const double metresPerSecond = glm::length(velocity);
    // Multiplying first keeps whole results exact (a float times 3600 fits a
    // double), so 65 m/s shows 234 km/h rather than a rounded-up 235.
    return static_cast<int64_t>(std::ceil(metresPerSecond * secondsPerHour / metresPerKilometre));
}

std::string speedLine(int64_t kilometresPerHour)
{
    return "Speed: " + std::to_string(kilometresPerHour) + " km/h";
}

int64_t framesPerSecond(float averageFrameMilliseconds)
{
    if (averageFrameMilliseconds == 0.0f) return 0;
    return std::lround(millisecondsPerSecond / averageFrameMilliseconds);
}

std::string fpsLine(int64_t framesPerSecond)
{
    return "FPS: " + std::to_string(framesPerSecond);
}

} // namespace Game::StepReadouts

#pragma once

#include <glm/glm.hpp>

#include <cstdint>
#include <string>

// The small pieces of arithmetic of one update step that the screen shows:
// the phase of the running animation, the speed read-out and the frame rate.
namespace Game::StepReadouts {

// The running clip loops once every 300 steps (3 s).
constexpr float animationPhaseStep = 1.0f / 300.0f;

// The next phase: one step further, back to 0 once past 1.
float advanceAnimationPhase(float phase);

// |velocity| in m/s as km/h, rounded up.
int64_t speedKilometresPerHour(const glm::vec3& velocity);
// "Speed: <n> km/h"
std::string speedLine(int64_t kilometresPerHour);

// 1000 / average frame time (ms), rounded to the nearest integer; 0 while
// no frame time has been measured.
int64_t framesPerSecond(float averageFrameMilliseconds);
// "FPS: <n>"
std::string fpsLine(int64_t framesPerSecond);

} // namespace Game::StepReadouts

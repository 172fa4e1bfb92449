#include "Game/Physics/CharacterMovement.h"

#include <algorithm>
#include <cmath>

#include <glm/gtc/constants.hpp>

namespace GamePhysics::CharacterMovement {

namespace {
constexpr float forwardAngle = 360.0f;
constexpr float leftAngle = 90.0f;
constexpr float backAngle = 180.0f;
constexpr float rightAngle = 270.0f;
constexpr float forwardLeftAngle = 45.0f;
constexpr float straightAheadAngle = 0.0f;
constexpr float straightRightAngle = -90.0f;
} // namespace

float headingOffset(const MoveKeys& keys)
{
    const int held = keys.forward + keys.left + keys.back + keys.right;
    if (held == 0) return 0.0f;
    float angle = (keys.forward && keys.left)
                      ? forwardLeftAngle
                      : (rightAngle * keys.right + backAngle * keys.back + leftAngle * keys.left +
                         forwardAngle * keys.forward) /
                            static_cast<float>(held);
    if (keys.forward && keys.back) angle = straightAheadAngle;
    if (keys.left && keys.right) angle = straightRightAngle;
    return angle;
}

StickWalk stickWalk(float x, float y)
{
    const float length = std::min(1.0f, std::sqrt(x * x + y * y));
    if (length == 0.0f) return StickWalk{};
    const float degrees = std::atan2(-x, y) * 180.0f / glm::pi<float>();
    return StickWalk{degrees < 0.0f ? degrees + 360.0f : degrees, length};
}

glm::vec2 applyFriction(const glm::vec2& velocity, float friction)
{
    const float speed = glm::length(velocity);
    if (speed <= friction) return glm::vec2(0.0f);
    return velocity - velocity / speed * friction;
}

glm::vec2 accelerate(const glm::vec2& velocity, float headingRadians, float acceleration, float friction,
                     float maxSpeed)
{
    const float startSpeed = glm::length(velocity);
    const float push = acceleration + friction;
    const glm::vec2 pushed = velocity + glm::vec2(std::cos(headingRadians), std::sin(headingRadians)) * push;
    const float pushedSpeed = glm::length(pushed);
    if (pushedSpeed <= 0.0f) return glm::vec2(0.0f);

    float gain = pushedSpeed - startSpeed;
    if (gain > 0.0f && pushedSpeed > maxSpeed) gain = std::max(0.0f, maxSpeed - startSpeed);
    return pushed / pushedSpeed * (startSpeed + gain);
}

} // namespace GamePhysics::CharacterMovement

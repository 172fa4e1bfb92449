#include "Game/Scene/CameraModificationComponent.h"

#include <cmath>
#include <cstdint>

namespace {
constexpr double pi = 3.14159265358979323846;
constexpr int64_t fullTurn = 360;
constexpr int64_t halfTurn = 180;
constexpr float quarterTurn = 90.0f;

float blend(float from, float to, float a)
{
    return from + (to - from) * a;
}
} // namespace

float toRadians(float degrees)
{
    return static_cast<float>(degrees * pi / 180.0);
}

float angleDifference(float x, float y)
{
    const float difference = x - y;
    const int64_t whole = static_cast<int64_t>(difference);
    const float fraction = difference - static_cast<float>(whole);
    // Shifting by 540 before the second remainder keeps the operand positive
    // for any whole part above −540, so the result lands in [−180, 180).
    const int64_t folded = ((whole % fullTurn) + fullTurn + halfTurn) % fullTurn - halfTurn;
    return static_cast<float>(folded) + fraction;
}

float CameraModificationComponent::blendedYaw(float a) const
{
    return previousYaw - angleDifference(previousYaw, yaw) * a;
}

float CameraModificationComponent::blendedPitch(float a) const
{
    return blend(previousPitch, pitch, a);
}

float CameraModificationComponent::blendedRoll(float a) const
{
    return blend(previousRoll, roll, a);
}

float CameraModificationComponent::blendedHeight(float a) const
{
    return blend(previousOffset.z, offset.z, a);
}

glm::vec3 CameraModificationComponent::forward(float a) const
{
    const float yawRadians = toRadians(blendedYaw(a));
    const float pitchRadians = toRadians(blendedPitch(a));
    return glm::vec3(std::cos(yawRadians) * std::cos(pitchRadians),
                     std::sin(yawRadians) * std::cos(pitchRadians),
                     std::sin(pitchRadians));
}

glm::vec3 CameraModificationComponent::up(float a) const
{
    const float y = toRadians(blendedYaw(a));
    const float p = toRadians(blendedPitch(a));
    const float r = toRadians(blendedRoll(a));
    const float yawSide = toRadians(blendedYaw(a) + quarterTurn);
    const float pitchUp = toRadians(blendedPitch(a) + quarterTurn);
    return glm::vec3(std::cos(yawSide) * std::sin(r) - std::cos(y) * std::sin(p) * std::cos(r),
                     std::sin(yawSide) * std::sin(r) - std::sin(y) * std::sin(p) * std::cos(r),
                     std::sin(pitchUp) * std::cos(r));
}

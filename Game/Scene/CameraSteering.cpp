#include "Game/Scene/CameraSteering.h"

#include <glm/gtc/matrix_transform.hpp>

#include <cmath>
#include <cstdint>

namespace {
constexpr int64_t fullTurn = 360;
constexpr float maximumPitch = 90.0f;
constexpr double pi = 3.14159265358979323846;
// Flight steers by the angles as they stand now, not by a blend.
constexpr float currentAngles = 1.0f;

// Unit direction from the camera's eye to its look-at point, or nothing when
// the two coincide.
std::optional<glm::vec3> viewDirection(const Camera& camera)
{
    const glm::vec3 direction = camera.center - camera.position;
    const float length = glm::length(direction);
    if (!(length > 0.0f)) return std::nullopt;
    return direction / length;
}
} // namespace

float wrapYaw(float yaw)
{
    const int64_t whole = static_cast<int64_t>(yaw);
    const float fraction = yaw - static_cast<float>(whole);
    return static_cast<float>(whole % fullTurn) + fraction;
}

void applyMouseLook(CameraModificationComponent& modification, int relativeX, int relativeY, float speed)
{
    modification.yaw -= static_cast<float>(relativeX) * mouseLookDegreesPerPixel * speed;
    modification.pitch -= static_cast<float>(relativeY) * mouseLookDegreesPerPixel * speed;
    modification.yaw = wrapYaw(modification.yaw);
    modification.pitch = glm::clamp(modification.pitch, -maximumPitch, maximumPitch);
}

void applyStickLook(CameraModificationComponent& modification, float x, float y, float speed)
{
    modification.yaw = wrapYaw(modification.yaw - x * stickLookDegreesPerStep * speed);
    modification.pitch = glm::clamp(modification.pitch + y * stickLookDegreesPerStep * speed, -maximumPitch, maximumPitch);
}

std::optional<float> flightAngle(const FlightKeys& keys)
{
    // Adding the key directions instead of averaging their angles: opposite
    // keys cancel rather than sending the camera sideways or backwards.
    const int ahead = static_cast<int>(keys.forward) - static_cast<int>(keys.back);
    const int aside = static_cast<int>(keys.left) - static_cast<int>(keys.right);
    if (ahead == 0 && aside == 0) return std::nullopt;
    const double degrees = std::atan2(static_cast<double>(aside), static_cast<double>(ahead)) * 180.0 / pi;
    return static_cast<float>(degrees);
}

glm::vec3 flightStep(const CameraModificationComponent& modification, float angleDegrees)
{
    const glm::vec3 forward = modification.forward(currentAngles);
    const glm::vec3 up = modification.up(currentAngles);
    const glm::vec3 side = glm::normalize(glm::cross(up, forward));
    const float theta = toRadians(angleDegrees);
    return (forward * std::cos(theta) + side * std::sin(theta)) * flightStepLength;
}

glm::vec3 panStep(const Camera& camera, int relativeX, int relativeY)
{
    const std::optional<glm::vec3> forward = viewDirection(camera);
    if (!forward) return glm::vec3(0.0f);
    const glm::vec3 across = glm::cross(*forward, camera.up);
    const float acrossLength = glm::length(across);
    if (!(acrossLength > 0.0f)) return glm::vec3(0.0f);
    const glm::vec3 side = across / acrossLength;
    return side * (static_cast<float>(relativeX) * panMetresPerPixel)
         - camera.up * (static_cast<float>(relativeY) * panMetresPerPixel);
}

glm::vec3 zoomStep(const Camera& camera, int wheel)
{
    if (wheel != 1 && wheel != -1) return glm::vec3(0.0f);
    const std::optional<glm::vec3> forward = viewDirection(camera);
    if (!forward) return glm::vec3(0.0f);
    return *forward * static_cast<float>(wheel);
}

void buildView(Camera& camera, const TransformComponent& transform,
               const CameraModificationComponent& modification, float a)
{
    const glm::vec3 position = transform.previousPosition + (transform.position - transform.previousPosition) * a;
    const glm::vec3 eye = position + glm::vec3(0.0f, 0.0f, modification.blendedHeight(a));
    const glm::vec3 center = eye + modification.forward(a);
    const glm::vec3 up = modification.up(a);
    camera.view = glm::lookAt(eye, center, up);
    camera.position = eye;
    camera.center = center;
    camera.up = up;
}

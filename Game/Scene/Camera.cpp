#include "Game/Scene/Camera.h"

#include "Engine/Base/Assert.h"

#include <glm/gtc/matrix_transform.hpp>

namespace {
constexpr double pi = 3.14159265358979323846;
const glm::vec3 defaultEye(0.0f, 0.0f, 1.0f);
const glm::vec3 defaultCenter(0.0f, 0.0f, 0.0f);
const glm::vec3 defaultUp(0.0f, 1.0f, 0.0f);
} // namespace

void Camera::setDefaultView()
{
    view = glm::lookAt(defaultEye, defaultCenter, defaultUp);
    position = defaultEye;
    center = defaultCenter;
    up = defaultUp;
}

void Camera::setPerspective(float fovDegrees, float width, float height, float near, float far)
{
    // Checked here because the projection library's own checks vanish in
    // release builds and would leave a matrix full of infinities.
    GAME_ASSERT(width > 0.0f);
    GAME_ASSERT(height > 0.0f);
    GAME_ASSERT(fovDegrees > 0.0f);
    const float fovRadians = static_cast<float>(fovDegrees * pi / 180.0);
    projection = glm::perspectiveFov(fovRadians, width, height, near, far);
    this->width = width;
    this->height = height;
    this->near = near;
    this->far = far;
    fov = fovDegrees;
}

void Camera::setOrthographic(float left, float right, float bottom, float top, float near, float far)
{
    projection = glm::ortho(left, right, bottom, top, near, far);
}

Camera Camera::directionCopy(const Camera& source)
{
    Camera copy = source;
    const glm::vec3 direction = source.center - source.position;
    const float length = glm::length(direction);
    copy.center = length > 0.0f ? direction / length : glm::vec3(0.0f);
    return copy;
}

#include "Game/Resources/ResourceCameras.h"

#include <cmath>

#include <glm/glm.hpp>
#include <gtest/gtest.h>

namespace {

constexpr float width = 1280.0f;
constexpr float height = 720.0f;
constexpr double degrees = 3.14159265358979323846 / 180.0;

// Normalised device coordinates of a world point seen through the camera.
glm::vec3 project(const Camera& camera, const glm::vec3& point)
{
    const glm::vec4 clip = camera.projection * camera.view * glm::vec4(point, 1.0f);
    return glm::vec3(clip) / clip.w;
}

void expectOnScreenAt(const glm::vec3& actual, const glm::vec2& expected)
{
    EXPECT_NEAR(actual.x, expected.x, 1e-4f);
    EXPECT_NEAR(actual.y, expected.y, 1e-4f);
}

TEST(ResourceCameras, UiCameraMapsWindowPixelsOntoTheScreenWithDepthsOfTen)
{
    const Camera camera = Game::makeUiCamera(width, height);
    expectOnScreenAt(project(camera, glm::vec3(0.0f, 0.0f, 0.0f)), glm::vec2(-1.0f, -1.0f));
    expectOnScreenAt(project(camera, glm::vec3(width, height, 0.0f)), glm::vec2(1.0f, 1.0f));
    // The eye sits at z = 1, so planes z = 1 - 10 and z = 1 + 10 bound the view.
    EXPECT_NEAR(project(camera, glm::vec3(0.0f, 0.0f, -9.0f)).z, 1.0f, 1e-5f);
    EXPECT_NEAR(project(camera, glm::vec3(0.0f, 0.0f, 11.0f)).z, -1.0f, 1e-5f);
}

TEST(ResourceCameras, DefaultCameraLooksAtTheOriginWith110DegreesAndItsClipPlanes)
{
    const Camera camera = Game::makeDefaultCamera(width, height);
    const glm::vec3 eye(4.0f);
    expectOnScreenAt(project(camera, glm::vec3(0.0f)), glm::vec2(0.0f));
    const glm::vec3 forward = glm::normalize(-eye);
    const glm::vec3 right = glm::normalize(glm::cross(forward, glm::vec3(0.0f, 0.0f, 1.0f)));
    const glm::vec3 upward = glm::cross(right, forward);
    const float halfFov = static_cast<float>(55.0 * degrees);
    EXPECT_NEAR(project(camera, eye + 3.0f * (forward + std::tan(halfFov) * upward)).y, 1.0f, 1e-4f);
    EXPECT_NEAR(project(camera, eye + 0.01f * forward).z, -1.0f, 1e-3f);
    EXPECT_NEAR(project(camera, eye + 2000.0f * forward).z, 1.0f, 1e-3f);

    const Camera square = Game::makeDefaultCamera(height, height);
    EXPECT_NEAR(square.projection[0][0] / camera.projection[0][0], width / height, 1e-4f);
}

} // namespace

#include "Game/Scene/Camera.h"
#include "Game/Scene/CameraComponent.h"

#include "SceneWorld.h"

#include <glm/gtc/matrix_transform.hpp>

#include <gtest/gtest.h>

#include <cmath>

namespace {

glm::vec3 transformPoint(const glm::mat4& matrix, const glm::vec3& point)
{
    const glm::vec4 result = matrix * glm::vec4(point, 1.0f);
    return glm::vec3(result) / result.w;
}

Camera lookingCamera(const glm::vec3& position, const glm::vec3& center)
{
    Camera camera;
    camera.setPerspective(60.0f, 640.0f, 480.0f, 0.1f, 100.0f);
    camera.position = position;
    camera.center = center;
    camera.up = glm::vec3(0.0f, 0.0f, 1.0f);
    camera.view = glm::lookAt(position, center, camera.up);
    return camera;
}

TEST(CameraSetUp, DefaultViewLooksDownFromAboveTheOriginAndKeepsTheProjection)
{
    Camera camera;
    camera.setPerspective(45.0f, 100.0f, 50.0f, 1.0f, 10.0f);
    const glm::mat4 projection = camera.projection;

    camera.setDefaultView();

    EXPECT_TRUE(vectorsNear(glm::vec3(0.0f), transformPoint(camera.view, glm::vec3(0.0f, 0.0f, 1.0f))));
    EXPECT_TRUE(vectorsNear(glm::vec3(0.0f, 0.0f, -1.0f), transformPoint(camera.view, glm::vec3(0.0f))));
    EXPECT_TRUE(vectorsNear(glm::vec3(0.0f, 1.0f, 0.0f), transformPoint(camera.view, glm::vec3(0.0f, 1.0f, 1.0f))));
    EXPECT_TRUE(matricesNear(projection, camera.projection));
}

TEST(CameraSetUp, PerspectiveTakesTheFieldOfViewInDegreesAndOrthographicMapsTheBox)
{
    Camera camera;
    camera.setPerspective(90.0f, 800.0f, 600.0f, 0.5f, 50.0f);
    // A 90 degree view spans exactly ±1 vertically at unit distance.
    EXPECT_NEAR(1.0f, camera.projection[1][1], 1e-6f);
    EXPECT_NEAR(600.0f / 800.0f, camera.projection[0][0], 1e-6f);
    EXPECT_NEAR(-1.0f, transformPoint(camera.projection, glm::vec3(0.0f, 0.0f, -0.5f)).z, 1e-5f);
    EXPECT_NEAR(1.0f, transformPoint(camera.projection, glm::vec3(0.0f, 0.0f, -50.0f)).z, 1e-5f);

    camera.setOrthographic(0.0f, 640.0f, 0.0f, 480.0f, -1.0f, 1.0f);
    EXPECT_TRUE(vectorsNear(glm::vec3(-1.0f), transformPoint(camera.projection, glm::vec3(0.0f, 0.0f, 1.0f))));
    EXPECT_TRUE(vectorsNear(glm::vec3(1.0f), transformPoint(camera.projection, glm::vec3(640.0f, 480.0f, -1.0f))));
}

TEST(CameraSetUpDeathTest, PerspectiveRejectsAnEmptyViewport)
{
    Camera camera;
    EXPECT_DEATH(camera.setPerspective(60.0f, 0.0f, 480.0f, 0.1f, 100.0f), "width > 0\\.0f");
}

TEST(CameraCopy, DirectionCopyStoresTheUnitViewingDirectionInCenterAsTheComponentsCamerasDo)
{
    const Camera source = lookingCamera(glm::vec3(1.0f, 1.0f, 5.0f), glm::vec3(4.0f, 5.0f, 5.0f));
    const Camera copy = Camera::directionCopy(source);
    EXPECT_TRUE(vectorsNear(glm::vec3(0.6f, 0.8f, 0.0f), copy.center));
    EXPECT_TRUE(vectorsNear(source.position, copy.position));
    EXPECT_TRUE(matricesNear(source.view, copy.view));
    EXPECT_TRUE(matricesNear(source.projection, copy.projection));

    // A camera whose eye is its look-at point has no direction: zero, not NaN.
    EXPECT_TRUE(vectorsNear(glm::vec3(0.0f), Camera::directionCopy(lookingCamera(glm::vec3(2.0f), glm::vec3(2.0f))).center));

    // A camera component holds the direction in all three of its cameras;
    // from the origin the direction copy of a direction is that direction again.
    const CameraComponent component(lookingCamera(glm::vec3(0.0f), glm::vec3(0.0f, 3.0f, 4.0f)));
    for (const Camera* camera : {&component.camera, &component.previousCamera, &component.initialCamera}) {
        EXPECT_TRUE(vectorsNear(glm::vec3(0.0f, 0.6f, 0.8f), camera->center));
    }
}

} // namespace

#include "Game/Scene/CameraModificationStateCopySystem.h"
#include "Game/Scene/CameraStateCopySystem.h"
#include "Game/Scene/TransformMatrixRefreshSystem.h"
#include "Game/Scene/TransformStateCopySystem.h"

#include "SceneWorld.h"

#include <glm/gtc/matrix_transform.hpp>

#include <gtest/gtest.h>

namespace {

// An entity with a transform, camera angles and a camera, all moved away
// from their start values, then copied as at the start of an update step.
class StateCopy : public SceneWorld {
protected:
    StateCopy()
    {
        world.addSystem(TransformStateCopySystem(&world));
        world.addSystem(CameraModificationStateCopySystem(&world));
        world.addSystem(CameraStateCopySystem(&world));
        world.addSystem(TransformMatrixRefreshSystem(&world));
        world.addComponent(entity, TransformComponent(glm::vec3(1.0f)));
        world.addComponent(entity, CameraModificationComponent());
        world.addComponent(entity, CameraComponent(Camera()));
        world.refresh();

        TransformComponent& transform = world.getComponent<TransformComponent>(entity);
        transform.position = glm::vec3(4.0f, 5.0f, 6.0f);
        transform.scale = glm::vec3(3.0f);
        transform.rotation = glm::angleAxis(1.0f, glm::vec3(0.0f, 1.0f, 0.0f));
        CameraModificationComponent& angles = world.getComponent<CameraModificationComponent>(entity);
        angles.offset = glm::vec3(0.0f, 0.0f, 1.7f);
        angles.yaw = 30.0f;
        angles.pitch = -10.0f;
        angles.roll = 5.0f;
        Camera& camera = world.getComponent<CameraComponent>(entity).camera;
        camera.setPerspective(70.0f, 640.0f, 480.0f, 0.1f, 500.0f);
        camera.position = glm::vec3(10.0f, 0.0f, 2.0f);
        camera.center = glm::vec3(10.0f, 5.0f, 2.0f);
        camera.up = glm::vec3(0.0f, 0.0f, 1.0f);
        camera.view = glm::lookAt(camera.position, camera.center, camera.up);

        world.getSystem<TransformStateCopySystem>().run(0.0f);
        world.getSystem<CameraModificationStateCopySystem>().run(0.0f);
        world.getSystem<CameraStateCopySystem>().run(0.0f);
    }

    const uint32_t entity = world.createEntity();
};

// The copy is the start of the step: drawing at factor zero shows it, and the
// previous camera holds the viewing direction, not the look-at point.
TEST_F(StateCopy, TransformAnglesAndCameraBecomeTheStartOfStep)
{
    TransformComponent& transform = world.getComponent<TransformComponent>(entity);
    const glm::mat4 atCopy = glm::translate(glm::mat4(1.0f), transform.position) * glm::mat4_cast(transform.rotation) *
                             glm::scale(glm::mat4(1.0f), transform.scale);
    transform.position = glm::vec3(9.0f);
    world.getSystem<TransformMatrixRefreshSystem>().run(0.0f);
    EXPECT_TRUE(matricesNear(atCopy, transform.modelMatrix));

    const CameraModificationComponent& copied = world.getComponent<CameraModificationComponent>(entity);
    EXPECT_TRUE(vectorsNear(glm::vec3(0.0f, 0.0f, 1.7f), copied.previousOffset));
    EXPECT_EQ(glm::vec3(30.0f, -10.0f, 5.0f), glm::vec3(copied.previousYaw, copied.previousPitch, copied.previousRoll));

    const CameraComponent& cameras = world.getComponent<CameraComponent>(entity);
    EXPECT_TRUE(vectorsNear(glm::vec3(0.0f, 1.0f, 0.0f), cameras.previousCamera.center));
    EXPECT_TRUE(vectorsNear(cameras.camera.position, cameras.previousCamera.position));
    EXPECT_TRUE(matricesNear(cameras.camera.view, cameras.previousCamera.view));
    EXPECT_TRUE(vectorsNear(glm::vec3(10.0f, 5.0f, 2.0f), cameras.camera.center)) << "the current camera keeps its point";
}

} // namespace

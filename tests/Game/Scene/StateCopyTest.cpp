#include "Game/Scene/CameraModificationStateCopySystem.h"
#include "Game/Scene/CameraStateCopySystem.h"
#include "Game/Scene/TransformMatrixRefreshSystem.h"
#include "Game/Scene/TransformStateCopySystem.h"

#include "SceneWorld.h"

#include <glm/gtc/matrix_transform.hpp>

#include <gtest/gtest.h>

namespace {

class StateCopy : public SceneWorld {
protected:
    StateCopy()
    {
        world.addSystem(TransformStateCopySystem(&world));
        world.addSystem(CameraModificationStateCopySystem(&world));
        world.addSystem(CameraStateCopySystem(&world));
        world.addSystem(TransformMatrixRefreshSystem(&world));
        entity = world.createEntity();
    }

    uint32_t entity = 0;
};

TEST_F(StateCopy, TheCurrentTransformBecomesTheStartOfTheStepThatIsDrawnAtFactorZero)
{
    world.addComponent(entity, TransformComponent(glm::vec3(1.0f)));
    world.refresh();
    TransformComponent& transform = world.getComponent<TransformComponent>(entity);
    transform.position = glm::vec3(4.0f, 5.0f, 6.0f);
    transform.scale = glm::vec3(3.0f);
    transform.rotation = glm::angleAxis(1.0f, glm::vec3(0.0f, 1.0f, 0.0f));

    system<TransformStateCopySystem>().run(0.0f);
    const glm::mat4 atCopy = glm::translate(glm::mat4(1.0f), transform.position) * glm::mat4_cast(transform.rotation) *
                             glm::scale(glm::mat4(1.0f), transform.scale);
    transform.position = glm::vec3(9.0f);
    system<TransformMatrixRefreshSystem>().run(0.0f);

    EXPECT_TRUE(matricesNear(atCopy, transform.modelMatrix));
}

TEST_F(StateCopy, CameraAnglesAndOffsetBecomeTheStartOfStep)
{
    CameraModificationComponent modification;
    modification.offset = glm::vec3(0.0f, 0.0f, 1.7f);
    modification.yaw = 30.0f;
    modification.pitch = -10.0f;
    modification.roll = 5.0f;
    world.addComponent(entity, modification);
    world.refresh();

    system<CameraModificationStateCopySystem>().run(0.0f);

    const CameraModificationComponent& copied = world.getComponent<CameraModificationComponent>(entity);
    EXPECT_TRUE(vectorsNear(glm::vec3(0.0f, 0.0f, 1.7f), copied.previousOffset));
    EXPECT_FLOAT_EQ(30.0f, copied.previousYaw);
    EXPECT_FLOAT_EQ(-10.0f, copied.previousPitch);
    EXPECT_FLOAT_EQ(5.0f, copied.previousRoll);
}

TEST_F(StateCopy, PreviousCameraHoldsTheViewingDirectionNotTheLookAtPoint)
{
    world.addComponent(entity, CameraComponent(Camera()));
    world.refresh();
    Camera& camera = world.getComponent<CameraComponent>(entity).camera;
    camera.setPerspective(70.0f, 640.0f, 480.0f, 0.1f, 500.0f);
    camera.position = glm::vec3(10.0f, 0.0f, 2.0f);
    camera.center = glm::vec3(10.0f, 5.0f, 2.0f);
    camera.up = glm::vec3(0.0f, 0.0f, 1.0f);
    camera.view = glm::lookAt(camera.position, camera.center, camera.up);

    system<CameraStateCopySystem>().run(0.0f);

    const Camera& previous = world.getComponent<CameraComponent>(entity).previousCamera;
    EXPECT_TRUE(vectorsNear(glm::vec3(0.0f, 1.0f, 0.0f), previous.center));
    EXPECT_TRUE(vectorsNear(camera.position, previous.position));
    EXPECT_TRUE(matricesNear(camera.view, previous.view));
    EXPECT_TRUE(matricesNear(camera.projection, previous.projection));
    EXPECT_TRUE(vectorsNear(glm::vec3(10.0f, 5.0f, 2.0f), camera.center)) << "the current camera keeps its point";
}

} // namespace

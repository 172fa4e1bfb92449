#include "Game/Scene/CameraDeltaSystem.h"
#include "Game/Scene/CameraModificationDeltaSystem.h"

#include "SceneWorld.h"

#include <glm/gtc/matrix_transform.hpp>

#include <gtest/gtest.h>

namespace {

TEST(AngleDifference, TakesTheShorterWayRound)
{
    EXPECT_FLOAT_EQ(-20.0f, angleDifference(170.0f, -170.0f));
    EXPECT_FLOAT_EQ(20.0f, angleDifference(-170.0f, 170.0f));
    EXPECT_FLOAT_EQ(-170.0f, angleDifference(190.0f, 0.0f));
}

TEST(AngleDifference, KeepsTheFractionOfADegree)
{
    EXPECT_FLOAT_EQ(10.5f, angleDifference(10.5f, 0.0f));
    EXPECT_FLOAT_EQ(-0.25f, angleDifference(0.0f, 0.25f));
}

TEST(AngleDifference, HalfATurnComesOutNegative)
{
    EXPECT_FLOAT_EQ(-180.0f, angleDifference(180.0f, 0.0f));
    EXPECT_FLOAT_EQ(-180.0f, angleDifference(0.0f, 180.0f));
}

TEST(CameraAngles, UpIsAUnitVectorAtRightAnglesToForward)
{
    CameraModificationComponent angles;
    angles.yaw = 37.0f;
    angles.pitch = -52.0f;
    angles.roll = 18.0f;

    const glm::vec3 forward = angles.forward(1.0f);
    const glm::vec3 up = angles.up(1.0f);

    EXPECT_NEAR(1.0f, glm::length(forward), 1e-6f);
    EXPECT_NEAR(1.0f, glm::length(up), 1e-6f);
    EXPECT_NEAR(0.0f, glm::dot(forward, up), 1e-6f);
}

TEST(CameraAngles, RollingAQuarterTurnTipsUpToTheLeft)
{
    CameraModificationComponent angles;
    angles.roll = 90.0f;
    EXPECT_TRUE(vectorsNear(glm::vec3(0.0f, 1.0f, 0.0f), angles.up(1.0f)));
}

class CameraView : public SceneWorld {
protected:
    CameraView()
    {
        world.addSystem(CameraDeltaSystem(&world));
        world.addSystem(CameraModificationDeltaSystem(&world));
        camera.setPerspective(60.0f, 640.0f, 480.0f, 0.1f, 100.0f);
        camera.setDefaultView();
    }

    uint32_t steeredCamera(const TransformComponent& transform, const CameraModificationComponent& angles)
    {
        const uint32_t entity = world.createEntity();
        world.addComponent(entity, transform);
        world.addComponent(entity, angles);
        world.addComponent(entity, CameraComponent(camera));
        world.refresh();
        return entity;
    }

    const Camera& drawnAt(uint32_t entity, float alpha)
    {
        system<CameraDeltaSystem>().run(alpha);
        system<CameraModificationDeltaSystem>().run(alpha);
        return world.getComponent<CameraComponent>(entity).camera;
    }

    Camera camera;
};

TEST_F(CameraView, BlendingFromYaw170ToMinus170PassesThrough180)
{
    CameraModificationComponent angles;
    angles.previousYaw = 170.0f;
    angles.yaw = -170.0f;
    const uint32_t entity = steeredCamera(TransformComponent(), angles);

    const Camera& drawn = drawnAt(entity, 0.5f);

    EXPECT_FLOAT_EQ(180.0f, world.getComponent<CameraModificationComponent>(entity).blendedYaw(0.5f));
    EXPECT_TRUE(vectorsNear(glm::vec3(-1.0f, 0.0f, 0.0f), drawn.center - drawn.position));
}

TEST_F(CameraView, EyeSitsAtTheBlendedPositionRaisedByTheBlendedHeight)
{
    TransformComponent transform;
    transform.position = glm::vec3(2.0f, 0.0f, 0.0f);
    CameraModificationComponent angles;
    angles.previousOffset = glm::vec3(5.0f, 5.0f, 1.0f);
    angles.offset = glm::vec3(-5.0f, 9.0f, 3.0f);
    const uint32_t entity = steeredCamera(transform, angles);

    const Camera& drawn = drawnAt(entity, 0.5f);

    const glm::vec3 eye(1.0f, 0.0f, 2.0f);
    const glm::vec3 up(0.0f, 0.0f, 1.0f);
    EXPECT_TRUE(vectorsNear(eye, drawn.position));
    EXPECT_TRUE(vectorsNear(eye + glm::vec3(1.0f, 0.0f, 0.0f), drawn.center));
    EXPECT_TRUE(vectorsNear(up, drawn.up));
    EXPECT_TRUE(matricesNear(glm::lookAt(eye, eye + glm::vec3(1.0f, 0.0f, 0.0f), up), drawn.view));
}

TEST_F(CameraView, ViewBuildingLeavesTheProjectionAlone)
{
    const uint32_t entity = steeredCamera(TransformComponent(), CameraModificationComponent());

    const Camera& drawn = drawnAt(entity, 1.0f);

    EXPECT_TRUE(matricesNear(camera.projection, drawn.projection));
    EXPECT_FLOAT_EQ(60.0f, drawn.fov);
}

TEST_F(CameraView, CameraWithoutAnglesKeepsItsEyeAndLookAtPoint)
{
    const uint32_t entity = world.createEntity();
    world.addComponent(entity, TransformComponent(glm::vec3(7.0f)));
    world.addComponent(entity, CameraComponent(camera));
    world.refresh();
    const Camera before = world.getComponent<CameraComponent>(entity).camera;

    const Camera& drawn = drawnAt(entity, 0.5f);

    EXPECT_TRUE(vectorsNear(before.position, drawn.position));
    EXPECT_TRUE(vectorsNear(before.center, drawn.center));
    EXPECT_TRUE(matricesNear(before.view, drawn.view));
}

} // namespace

#include "Game/Scene/CameraDeltaSystem.h"
#include "Game/Scene/CameraModificationDeltaSystem.h"

#include "SceneWorld.h"

#include <glm/gtc/matrix_transform.hpp>

#include <gtest/gtest.h>

namespace {

TEST(AngleDifference, TakesTheShorterWayRoundKeepingTheFractionWithHalfATurnNegative)
{
    const struct {
        float x, y, expected;
    } rows[] = {
        {170.0f, -170.0f, -20.0f}, {-170.0f, 170.0f, 20.0f}, {190.0f, 0.0f, -170.0f}, {10.5f, 0.0f, 10.5f},
        {0.0f, 0.25f, -0.25f},     {180.0f, 0.0f, -180.0f},  {0.0f, 180.0f, -180.0f},
    };
    for (const auto& row : rows) {
        EXPECT_FLOAT_EQ(row.expected, angleDifference(row.x, row.y)) << row.x << " - " << row.y;
    }
}

TEST(CameraAngles, UpIsAUnitVectorAtRightAnglesToForwardAndRollTipsItLeft)
{
    CameraModificationComponent angles;
    angles.yaw = 37.0f;
    angles.pitch = -52.0f;
    angles.roll = 18.0f;
    EXPECT_NEAR(1.0f, glm::length(angles.forward(1.0f)), 1e-6f);
    EXPECT_NEAR(1.0f, glm::length(angles.up(1.0f)), 1e-6f);
    EXPECT_NEAR(0.0f, glm::dot(angles.forward(1.0f), angles.up(1.0f)), 1e-6f);

    CameraModificationComponent rolled;
    rolled.roll = 90.0f;
    EXPECT_TRUE(vectorsNear(glm::vec3(0.0f, 1.0f, 0.0f), rolled.up(1.0f)));
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

    uint32_t cameraEntity(const TransformComponent& transform)
    {
        const uint32_t entity = world.createEntity();
        world.addComponent(entity, transform);
        world.addComponent(entity, CameraComponent(camera));
        return entity;
    }

    uint32_t steeredCamera(const TransformComponent& transform, const CameraModificationComponent& angles)
    {
        const uint32_t entity = cameraEntity(transform);
        world.addComponent(entity, angles);
        world.refresh();
        return entity;
    }

    const Camera& drawnAt(uint32_t entity, float alpha)
    {
        world.getSystem<CameraDeltaSystem>().run(alpha);
        world.getSystem<CameraModificationDeltaSystem>().run(alpha);
        return world.getComponent<CameraComponent>(entity).camera;
    }

    Camera camera;
};

TEST_F(CameraView, TheEyeBlendsPositionAndHeightAndTheYawFrom170ToMinus170PassesThrough180)
{
    TransformComponent transform;
    transform.position = glm::vec3(2.0f, 0.0f, 0.0f);
    CameraModificationComponent angles;
    angles.previousOffset = glm::vec3(5.0f, 5.0f, 1.0f);
    angles.offset = glm::vec3(-5.0f, 9.0f, 3.0f);
    angles.previousYaw = 170.0f;
    angles.yaw = -170.0f;
    const uint32_t entity = steeredCamera(transform, angles);

    const Camera& drawn = drawnAt(entity, 0.5f);

    // The transform blends from its previous position (0) and only the
    // offsets' heights count.
    const glm::vec3 eye(1.0f, 0.0f, 2.0f);
    const glm::vec3 forward(-1.0f, 0.0f, 0.0f);
    const glm::vec3 up(0.0f, 0.0f, 1.0f);
    EXPECT_FLOAT_EQ(180.0f, world.getComponent<CameraModificationComponent>(entity).blendedYaw(0.5f));
    EXPECT_TRUE(vectorsNear(eye, drawn.position));
    EXPECT_TRUE(vectorsNear(eye + forward, drawn.center));
    EXPECT_TRUE(vectorsNear(up, drawn.up));
    EXPECT_TRUE(matricesNear(glm::lookAt(eye, eye + forward, up), drawn.view));
    EXPECT_TRUE(matricesNear(camera.projection, drawn.projection));
}

TEST_F(CameraView, CameraWithoutAnglesKeepsItsEyeAndLookAtPoint)
{
    const uint32_t entity = cameraEntity(TransformComponent(glm::vec3(7.0f)));
    world.refresh();
    const Camera before = world.getComponent<CameraComponent>(entity).camera;

    const Camera& drawn = drawnAt(entity, 0.5f);

    EXPECT_TRUE(vectorsNear(before.position, drawn.position));
    EXPECT_TRUE(vectorsNear(before.center, drawn.center));
    EXPECT_TRUE(matricesNear(before.view, drawn.view));
}

} // namespace

#include "Game/Scene/CameraModificationMouseMovementSystem.h"

#include "Engine/Core/MouseState.h"

#include "SceneWorld.h"

#include <gtest/gtest.h>

namespace {

class MouseLook : public SceneWorld {
protected:
    MouseLook()
    {
        world.addSystem(CameraModificationMouseMovementSystem(&world, &mouse));
        entity = world.createEntity();
        world.addComponent(entity, CameraModificationComponent());
        world.addComponent(entity, CameraMouseMovementComponent(true));
        world.refresh();
    }

    CameraModificationComponent& angles() { return world.getComponent<CameraModificationComponent>(entity); }

    void moveMouse(int x, int y)
    {
        mouse.relativeX = x;
        mouse.relativeY = y;
        system<CameraModificationMouseMovementSystem>().run(0.0f);
    }

    Engine::MouseState mouse{nullptr};
    uint32_t entity = 0;
};

// Half a degree per pixel: right turns right (yaw down), down looks up.
TEST_F(MouseLook, MovingRightTurnsRightAndMovingDownLooksUp)
{
    moveMouse(10, -6);
    EXPECT_FLOAT_EQ(-5.0f, angles().yaw);
    EXPECT_FLOAT_EQ(3.0f, angles().pitch);
}

TEST_F(MouseLook, YawPastAFullTurnEitherWayWrapsKeepingTheFraction)
{
    const struct {
        float start;
        int pixels;
        float expected;
    } rows[] = {{359.0f, -4, 1.0f}, {-359.0f, 4, -1.0f}, {359.25f, -4, 1.25f}};
    for (const auto& row : rows) {
        angles().yaw = row.start;
        moveMouse(row.pixels, 0);
        EXPECT_FLOAT_EQ(row.expected, angles().yaw) << row.start;
    }
}

TEST_F(MouseLook, PitchStopsAtStraightUpAndStraightDown)
{
    moveMouse(0, -1000);
    EXPECT_FLOAT_EQ(90.0f, angles().pitch);
    moveMouse(0, 3000);
    EXPECT_FLOAT_EQ(-90.0f, angles().pitch);
}

TEST_F(MouseLook, SwitchedOffLookIgnoresTheMouse)
{
    world.getComponent<CameraMouseMovementComponent>(entity).enabled = false;
    moveMouse(40, 40);
    EXPECT_FLOAT_EQ(0.0f, angles().yaw);
    EXPECT_FLOAT_EQ(0.0f, angles().pitch);
}

} // namespace

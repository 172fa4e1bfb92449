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

TEST_F(MouseLook, MovingRightTurnsRightAndMovingDownLooksUp)
{
    moveMouse(10, -6);

    EXPECT_FLOAT_EQ(-5.0f, angles().yaw);
    EXPECT_FLOAT_EQ(3.0f, angles().pitch);
}

TEST_F(MouseLook, YawPastAFullTurnWrapsToOne)
{
    angles().yaw = 359.0f;
    moveMouse(-4, 0);
    EXPECT_FLOAT_EQ(1.0f, angles().yaw);
}

TEST_F(MouseLook, YawPastMinusAFullTurnWrapsToMinusOne)
{
    angles().yaw = -359.0f;
    moveMouse(4, 0);
    EXPECT_FLOAT_EQ(-1.0f, angles().yaw);
}

TEST_F(MouseLook, WrappingKeepsTheFractionOfADegree)
{
    angles().yaw = 359.25f;
    moveMouse(-4, 0);
    EXPECT_FLOAT_EQ(1.25f, angles().yaw);
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

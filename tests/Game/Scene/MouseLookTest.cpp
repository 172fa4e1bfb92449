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

// Half a degree per pixel: right turns right (yaw down), down looks up; the
// yaw wraps past a full turn either way keeping its fraction and the pitch
// stops at straight up and straight down.
TEST_F(MouseLook, TurnsHalfADegreePerPixelWrappingTheYawAndClampingThePitch)
{
    const struct {
        float yaw;
        int x, y;
        float expectedYaw, expectedPitch;
    } rows[] = {
        {0.0f, 10, -6, -5.0f, 3.0f},     {359.0f, -4, 0, 1.0f, 0.0f}, {-359.0f, 4, 0, -1.0f, 0.0f},
        {359.25f, -4, 0, 1.25f, 0.0f}, {0.0f, 0, -1000, 0.0f, 90.0f}, {0.0f, 0, 1000, 0.0f, -90.0f},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << "yaw " << row.yaw << ", mouse " << row.x << ", " << row.y);
        angles().yaw = row.yaw;
        angles().pitch = 0.0f;
        moveMouse(row.x, row.y);
        EXPECT_FLOAT_EQ(row.expectedYaw, angles().yaw);
        EXPECT_FLOAT_EQ(row.expectedPitch, angles().pitch);
    }
}

TEST_F(MouseLook, SwitchedOffLookIgnoresTheMouse)
{
    world.getComponent<CameraMouseMovementComponent>(entity).enabled = false;
    moveMouse(40, 40);
    EXPECT_FLOAT_EQ(0.0f, angles().yaw);
    EXPECT_FLOAT_EQ(0.0f, angles().pitch);
}

} // namespace

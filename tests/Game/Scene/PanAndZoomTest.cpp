#include "Game/Scene/CameraMouseShiftMovementSystem.h"
#include "Game/Scene/CameraMouseZoomMovementSystem.h"

#include "Engine/Core/MouseState.h"

#include "SceneWorld.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

// A camera on an entity at (1, 2, 3) whose camera looks along +x with +z up,
// carrying both the pan and the zoom switch.
class PanAndZoom : public SceneWorld {
protected:
    PanAndZoom()
    {
        world.addSystem(CameraMouseShiftMovementSystem(&world, &mouse));
        world.addSystem(CameraMouseZoomMovementSystem(&world, &mouse));
        entity = world.createEntity();
        world.addComponent(entity, TransformComponent(start));
        world.addComponent(entity, CameraComponent());
        world.addComponent(entity, CameraMouseShiftComponent(true));
        world.addComponent(entity, CameraMouseZoomMoveComponent(true));
        world.refresh();
        aim(start + glm::vec3(4.0f, 0.0f, 0.0f));
    }

    void aim(const glm::vec3& center)
    {
        Camera& camera = world.getComponent<CameraComponent>(entity).camera;
        camera.position = start;
        camera.center = center;
        camera.up = glm::vec3(0.0f, 0.0f, 1.0f);
    }

    glm::vec3 movedBy(int relativeX, int relativeY, int wheel)
    {
        mouse.relativeX = relativeX;
        mouse.relativeY = relativeY;
        mouse.wheel = wheel;
        system<CameraMouseShiftMovementSystem>().run(0.0f);
        system<CameraMouseZoomMovementSystem>().run(0.0f);
        return world.getComponent<TransformComponent>(entity).position - start;
    }

    const glm::vec3 start{1.0f, 2.0f, 3.0f};
    Engine::MouseState mouse{nullptr};
    uint32_t entity = 0;
};

TEST_F(PanAndZoom, WheelUpStepsOneMetreAlongTheView)
{
    aim(start + glm::vec3(0.0f, 3.0f, 4.0f));
    EXPECT_TRUE(vectorsNear(glm::vec3(0.0f, 0.6f, 0.8f), movedBy(0, 0, 1)));
}

TEST_F(PanAndZoom, WheelDownStepsOneMetreBack)
{
    EXPECT_TRUE(vectorsNear(glm::vec3(-1.0f, 0.0f, 0.0f), movedBy(0, 0, -1)));
}

TEST_F(PanAndZoom, StillWheelLeavesTheCameraWhereItIs)
{
    EXPECT_TRUE(vectorsNear(glm::vec3(0.0f), movedBy(0, 0, 0)));
}

TEST_F(PanAndZoom, WheelValuesOtherThanOneNotchAreIgnored)
{
    EXPECT_TRUE(vectorsNear(glm::vec3(0.0f), movedBy(0, 0, 2)));
}

TEST_F(PanAndZoom, MouseRightPansRightAndMouseDownPansDown)
{
    EXPECT_TRUE(vectorsNear(glm::vec3(0.0f, -0.5f, -0.2f), movedBy(10, 4, 0)));
}

TEST_F(PanAndZoom, SwitchedOffBehavioursIgnoreTheMouse)
{
    world.getComponent<CameraMouseShiftComponent>(entity).enabled = false;
    world.getComponent<CameraMouseZoomMoveComponent>(entity).enabled = false;
    EXPECT_TRUE(vectorsNear(glm::vec3(0.0f), movedBy(10, 4, 1)));
}

TEST_F(PanAndZoom, CameraWithoutDirectionStaysPut)
{
    aim(start);
    const glm::vec3 moved = movedBy(10, 4, 1);
    EXPECT_FALSE(std::isnan(moved.x));
    EXPECT_TRUE(vectorsNear(glm::vec3(0.0f), moved));
}

} // namespace

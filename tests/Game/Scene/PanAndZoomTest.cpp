#include "Game/Scene/CameraMouseShiftMovementSystem.h"
#include "Game/Scene/CameraMouseZoomMovementSystem.h"

#include "Engine/Core/MouseState.h"

#include "SceneWorld.h"

#include <gtest/gtest.h>

namespace {

// A camera on an entity at (1, 2, 3) with +z up, carrying both the pan and
// the zoom switch.
class PanAndZoom : public SceneWorld {
protected:
    PanAndZoom()
    {
        world.addSystem(CameraMouseShiftMovementSystem(&world, &mouse));
        world.addSystem(CameraMouseZoomMovementSystem(&world, &mouse));
        entity = world.createEntity();
        world.addComponent(entity, CameraComponent());
        world.addComponent(entity, CameraMouseShiftComponent(true));
        world.addComponent(entity, CameraMouseZoomMoveComponent(true));
        world.addComponent(entity, TransformComponent(start));
        world.refresh();
    }

    // Moves the mouse once with the camera looking along `direction`;
    // returns how far the entity went.
    glm::vec3 movedBy(const glm::vec3& direction, int relativeX, int relativeY, int wheel)
    {
        Camera& camera = world.getComponent<CameraComponent>(entity).camera;
        camera.position = start;
        camera.center = start + direction;
        camera.up = glm::vec3(0.0f, 0.0f, 1.0f);
        world.getComponent<TransformComponent>(entity).position = start;
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

TEST_F(PanAndZoom, TheWheelStepsOneMetreAlongTheViewAndTheMousePansAcrossIt)
{
    const glm::vec3 alongX(4.0f, 0.0f, 0.0f);
    const struct {
        glm::vec3 direction;
        int x, y, wheel;
        glm::vec3 expected;
    } rows[] = {
        {{0.0f, 3.0f, 4.0f}, 0, 0, 1, {0.0f, 0.6f, 0.8f}},
        {alongX, 0, 0, -1, {-1.0f, 0.0f, 0.0f}},
        {alongX, 0, 0, 0, {0.0f, 0.0f, 0.0f}},
        {alongX, 0, 0, 2, {0.0f, 0.0f, 0.0f}},       // only single notches count
        {alongX, 10, 4, 0, {0.0f, -0.5f, -0.2f}},    // right pans right, down pans down
        {glm::vec3(0.0f), 10, 4, 1, glm::vec3(0.0f)}, // no direction: stays put, no NaN
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << "mouse " << row.x << ", " << row.y << ", wheel " << row.wheel);
        EXPECT_TRUE(vectorsNear(row.expected, movedBy(row.direction, row.x, row.y, row.wheel)));
    }
}

TEST_F(PanAndZoom, SwitchedOffBehavioursIgnoreTheMouse)
{
    world.getComponent<CameraMouseShiftComponent>(entity).enabled = false;
    world.getComponent<CameraMouseZoomMoveComponent>(entity).enabled = false;
    EXPECT_TRUE(vectorsNear(glm::vec3(0.0f), movedBy(glm::vec3(4.0f, 0.0f, 0.0f), 10, 4, 1)));
}

} // namespace

// The camera behaviours driven by the mouse and keyboard: look, free flight,
// pan and zoom. Each one switched off leaves its camera alone.

#include "Game/Scene/CameraMouseShiftMovementSystem.h"
#include "Game/Scene/CameraMouseZoomMovementSystem.h"
#include "Game/Scene/CameraModificationMouseMovementSystem.h"
#include "Game/Scene/FreeCamMovementSystem.h"

#include "Engine/Core/KeyboardState.h"
#include "Engine/Core/MouseState.h"

#include "SceneWorld.h"

#include <SDL_scancode.h>

#include <array>
#include <cmath>
#include <vector>

namespace {

class CameraControl : public SceneWorld {
protected:
    CameraControl()
    {
        world.addSystem(CameraModificationMouseMovementSystem(&world, &mouse));
        world.addSystem(FreeCamMovementSystem(&world, &keyboard));
        world.addSystem(CameraMouseShiftMovementSystem(&world, &mouse));
        world.addSystem(CameraMouseZoomMovementSystem(&world, &mouse));
        world.addComponent(entity, TransformComponent(start));
        world.addComponent(entity, CameraModificationComponent());
        world.addComponent(entity, CameraComponent());
        world.addComponent(entity, CameraMouseMovementComponent(true));
        world.addComponent(entity, FreeCamMovementComponent(true));
        world.addComponent(entity, CameraMouseShiftComponent(true));
        world.addComponent(entity, CameraMouseZoomMoveComponent(true));
        world.refresh();
    }

    CameraModificationComponent& angles() { return world.getComponent<CameraModificationComponent>(entity); }
    glm::vec3& position() { return world.getComponent<TransformComponent>(entity).position; }

    void look(int x, int y)
    {
        mouse.relativeX = x;
        mouse.relativeY = y;
        world.getSystem<CameraModificationMouseMovementSystem>().run(0.0f);
    }

    // One step with the keys held, looking at (yaw, pitch); returns the move.
    glm::vec3 flyWith(const std::vector<SDL_Scancode>& keys, float yaw = 0.0f, float pitch = 0.0f)
    {
        angles().yaw = angles().previousYaw = yaw;
        angles().pitch = angles().previousPitch = pitch;
        keyboard.current.assign(SDL_NUM_SCANCODES, 0);
        for (SDL_Scancode key : keys) keyboard.current[key] = 1;
        position() = start;
        world.getSystem<FreeCamMovementSystem>().run(0.0f);
        return position() - start;
    }

    // Moves the mouse once with the camera looking along `direction`;
    // returns how far the entity went.
    glm::vec3 panAndZoom(const glm::vec3& direction, int relativeX, int relativeY, int wheel)
    {
        Camera& camera = world.getComponent<CameraComponent>(entity).camera;
        camera.position = start;
        camera.center = start + direction;
        camera.up = glm::vec3(0.0f, 0.0f, 1.0f);
        position() = start;
        mouse.relativeX = relativeX;
        mouse.relativeY = relativeY;
        mouse.wheel = wheel;
        world.getSystem<CameraMouseShiftMovementSystem>().run(0.0f);
        world.getSystem<CameraMouseZoomMovementSystem>().run(0.0f);
        return position() - start;
    }

    const glm::vec3 start{1.0f, 2.0f, 3.0f};
    Engine::MouseState mouse{nullptr};
    std::array<uint8_t, SDL_NUM_SCANCODES> platformKeys{};
    Engine::KeyboardState keyboard{platformKeys.data(), SDL_NUM_SCANCODES};
    const uint32_t entity = world.createEntity();
};

// Half a degree per pixel: right turns right (yaw down), down looks up; the
// yaw wraps past a full turn either way keeping its fraction and the pitch
// stops at straight up and straight down.
TEST_F(CameraControl, LookTurnsHalfADegreePerPixelWrappingTheYawAndClampingThePitch)
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
        look(row.x, row.y);
        EXPECT_FLOAT_EQ(row.expectedYaw, angles().yaw);
        EXPECT_FLOAT_EQ(row.expectedPitch, angles().pitch);
    }
    world.getSystem<CameraModificationMouseMovementSystem>().mouseSpeed = 1.5f;
    angles().yaw = angles().pitch = 0.0f;
    look(10, -6);
    EXPECT_EQ(glm::vec2(angles().yaw, angles().pitch), glm::vec2(-7.5f, 4.5f)) << "the user's mouse speed";
    world.getComponent<CameraMouseMovementComponent>(entity).enabled = false;
    angles().yaw = angles().pitch = 0.0f;
    look(40, 40);
    EXPECT_EQ(glm::vec2(angles().yaw, angles().pitch), glm::vec2(0.0f)) << "switched off";
}

TEST_F(CameraControl, FlightMovesHalfAMetreAStepAlongTheHeldKeysRelativeToTheView)
{
    const float diagonal = 0.5f * std::sqrt(0.5f);
    const struct {
        std::vector<SDL_Scancode> keys;
        float yaw, pitch;
        glm::vec3 expected;
    } rows[] = {
        {{SDL_SCANCODE_W}, 90.0f, 0.0f, {0.0f, 0.5f, 0.0f}},
        {{SDL_SCANCODE_S}, 90.0f, 0.0f, {0.0f, -0.5f, 0.0f}},
        {{SDL_SCANCODE_D}, 0.0f, 0.0f, {0.0f, -0.5f, 0.0f}},
        {{SDL_SCANCODE_W, SDL_SCANCODE_A}, 0.0f, 0.0f, {diagonal, diagonal, 0.0f}},
        {{SDL_SCANCODE_W}, 0.0f, 90.0f, {0.0f, 0.0f, 0.5f}},
        {{SDL_SCANCODE_W, SDL_SCANCODE_S, SDL_SCANCODE_A}, 0.0f, 0.0f, {0.0f, 0.5f, 0.0f}},
        {{SDL_SCANCODE_W, SDL_SCANCODE_S}, 0.0f, 0.0f, {0.0f, 0.0f, 0.0f}},
        {{SDL_SCANCODE_A, SDL_SCANCODE_D}, 0.0f, 0.0f, {0.0f, 0.0f, 0.0f}},
        {{}, 0.0f, 0.0f, {0.0f, 0.0f, 0.0f}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << row.keys.size() << " keys, yaw " << row.yaw << ", pitch " << row.pitch);
        EXPECT_TRUE(vectorsNear(row.expected, flyWith(row.keys, row.yaw, row.pitch)));
    }
    EXPECT_NEAR(0.5f, glm::length(flyWith({SDL_SCANCODE_S, SDL_SCANCODE_D}, 33.0f, -61.0f)), 1e-6f);
    world.getComponent<FreeCamMovementComponent>(entity).enabled = false;
    EXPECT_TRUE(vectorsNear(glm::vec3(0.0f), flyWith({SDL_SCANCODE_W}))) << "switched off";
}

TEST_F(CameraControl, TheWheelStepsOneMetreAlongTheViewAndTheMousePansAcrossIt)
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
        EXPECT_TRUE(vectorsNear(row.expected, panAndZoom(row.direction, row.x, row.y, row.wheel)));
    }
    world.getComponent<CameraMouseShiftComponent>(entity).enabled = false;
    world.getComponent<CameraMouseZoomMoveComponent>(entity).enabled = false;
    EXPECT_TRUE(vectorsNear(glm::vec3(0.0f), panAndZoom(alongX, 10, 4, 1))) << "switched off";
}

} // namespace

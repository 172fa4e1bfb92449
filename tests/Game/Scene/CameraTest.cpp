// The cameras: the mouse and keyboard behaviours that steer them (look, free
// flight, pan, zoom), each switched off leaving its camera alone, and the view
// blended between two steps for drawing.
#include "Game/Scene/CameraComponent.h"
#include "Game/Scene/CameraControlComponents.h"
#include "Game/Scene/CameraDeltaSystem.h"
#include "Game/Scene/CameraModificationComponent.h"
#include "Game/Scene/CameraModificationDeltaSystem.h"
#include "Game/Scene/CameraModificationMouseMovementSystem.h"
#include "Game/Scene/CameraMouseShiftMovementSystem.h"
#include "Game/Scene/CameraMouseZoomMovementSystem.h"
#include "Game/Scene/FreeCamMovementSystem.h"
#include "Game/Scene/TransformComponent.h"
#include "tests/support/GameTestWorld.h"

#include <glm/gtc/matrix_transform.hpp>
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

::testing::AssertionResult near(const glm::vec3& expected, const glm::vec3& actual)
{
    if (glm::length(expected - actual) <= 1e-5f) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "expected (" << expected.x << ", " << expected.y << ", " << expected.z
                                         << ") but got (" << actual.x << ", " << actual.y << ", " << actual.z << ")";
}

class CameraControl : public ::testing::Test {
protected:
    CameraControl()
    {
        auto& world = t.world;
        world.addSystem(CameraModificationMouseMovementSystem(&world, &t.mouse, &t.pad));
        world.addSystem(FreeCamMovementSystem(&world, &t.keyboard));
        world.addSystem(CameraMouseShiftMovementSystem(&world, &t.mouse));
        world.addSystem(CameraMouseZoomMovementSystem(&world, &t.mouse));
        world.addComponent(entity, TransformComponent(start));
        world.addComponent(entity, CameraModificationComponent());
        world.addComponent(entity, CameraComponent());
        world.addComponent(entity, CameraMouseMovementComponent(true));
        world.addComponent(entity, FreeCamMovementComponent(true));
        world.addComponent(entity, CameraMouseShiftComponent(true));
        world.addComponent(entity, CameraMouseZoomMoveComponent(true));
        world.refresh();
    }

    CameraModificationComponent& angles() { return t.world.getComponent<CameraModificationComponent>(entity); }
    glm::vec3& position() { return t.world.getComponent<TransformComponent>(entity).position; }
    template <class Switch>
    void switchOff() { t.world.getComponent<Switch>(entity).enabled = false; }

    void look(int x, int y)
    {
        t.refreshInput({0, 0}, {x, y});
        t.world.getSystem<CameraModificationMouseMovementSystem>().run(0.0f);
    }

    // One step with the keys held, looking at (yaw, pitch); returns the move.
    glm::vec3 flyWith(const std::vector<SDL_Scancode>& keys, float yaw = 0.0f, float pitch = 0.0f)
    {
        angles().yaw = angles().previousYaw = yaw;
        angles().pitch = angles().previousPitch = pitch;
        t.keys.fill(0);
        for (SDL_Scancode key : keys) t.keys[key] = 1;
        t.refreshInput();
        position() = start;
        t.world.getSystem<FreeCamMovementSystem>().run(0.0f);
        return position() - start;
    }

    // Moves the mouse once with the camera looking along `direction`.
    glm::vec3 panAndZoom(const glm::vec3& direction, int x, int y, int wheel)
    {
        Camera& camera = t.world.getComponent<CameraComponent>(entity).camera;
        camera.position = start;
        camera.center = start + direction;
        camera.up = glm::vec3(0.0f, 0.0f, 1.0f);
        position() = start;
        t.refreshInput({0, 0}, {x, y}, wheel);
        t.world.getSystem<CameraMouseShiftMovementSystem>().run(0.0f);
        t.world.getSystem<CameraMouseZoomMovementSystem>().run(0.0f);
        return position() - start;
    }

    GameTesting::GameTestWorld t;
    const glm::vec3 start{1.0f, 2.0f, 3.0f};
    const uint32_t entity = t.world.createEntity();
};

// Half a degree per pixel: right turns right (yaw down), down looks up; the
// yaw wraps past a full turn keeping its fraction, the pitch stops at ±90°.
TEST_F(CameraControl, LookTurnsHalfADegreePerPixelWrappingTheYawAndClampingThePitch)
{
    const struct { float yaw; int x, y; float expectedYaw, expectedPitch; } rows[] = {
        {0.0f, 10, -6, -5.0f, 3.0f},    {359.0f, -4, 0, 1.0f, 0.0f},    {-359.0f, 4, 0, -1.0f, 0.0f},
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
    t.world.getSystem<CameraModificationMouseMovementSystem>().mouseSpeed = 1.5f;
    angles().yaw = angles().pitch = 0.0f;
    look(10, -6);
    EXPECT_EQ(glm::vec2(angles().yaw, angles().pitch), glm::vec2(-7.5f, 4.5f)) << "the user's mouse speed";
    switchOff<CameraMouseMovementComponent>();
    angles().yaw = angles().pitch = 0.0f;
    look(40, 40);
    EXPECT_EQ(glm::vec2(angles().yaw, angles().pitch), glm::vec2(0.0f)) << "switched off";
}

TEST_F(CameraControl, TheRightStickTurnsUpToOnePointEightDegreesAStepTimesTheMouseSpeed)
{
    t.world.getSystem<CameraModificationMouseMovementSystem>().mouseSpeed = 1.5f;
    t.pad.rightStick = {0.5f, -1.0f};
    look(0, 0);
    EXPECT_FLOAT_EQ(angles().yaw, -1.35f) << "right turns right";
    EXPECT_FLOAT_EQ(angles().pitch, -2.7f) << "down looks down";
    t.pad.rightStick = {0.0f, 1.0f};
    for (int i = 0; i < 40; ++i) look(0, 0);
    EXPECT_EQ(angles().pitch, 90.0f) << "held within the pitch limit";
}

TEST_F(CameraControl, FlightMovesHalfAMetreAStepAlongTheHeldKeysRelativeToTheView)
{
    const float diagonal = 0.5f * std::sqrt(0.5f);
    const struct { std::vector<SDL_Scancode> keys; float yaw, pitch; glm::vec3 expected; } rows[] = {
        {{SDL_SCANCODE_W}, 90.0f, 0.0f, {0.0f, 0.5f, 0.0f}},
        {{SDL_SCANCODE_S}, 90.0f, 0.0f, {0.0f, -0.5f, 0.0f}},
        {{SDL_SCANCODE_D}, 0.0f, 0.0f, {0.0f, -0.5f, 0.0f}},
        {{SDL_SCANCODE_W, SDL_SCANCODE_A}, 0.0f, 0.0f, {diagonal, diagonal, 0.0f}},
        {{SDL_SCANCODE_W}, 0.0f, 90.0f, {0.0f, 0.0f, 0.5f}},
        {{SDL_SCANCODE_W, SDL_SCANCODE_S, SDL_SCANCODE_A}, 0.0f, 0.0f, {0.0f, 0.5f, 0.0f}},
        {{SDL_SCANCODE_A, SDL_SCANCODE_D}, 0.0f, 0.0f, {0.0f, 0.0f, 0.0f}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << row.keys.size() << " keys, yaw " << row.yaw << ", pitch " << row.pitch);
        EXPECT_TRUE(near(row.expected, flyWith(row.keys, row.yaw, row.pitch)));
    }
    EXPECT_NEAR(0.5f, glm::length(flyWith({SDL_SCANCODE_S, SDL_SCANCODE_D}, 33.0f, -61.0f)), 1e-6f);
    switchOff<FreeCamMovementComponent>();
    EXPECT_TRUE(near(glm::vec3(0.0f), flyWith({SDL_SCANCODE_W}))) << "switched off";
}

TEST_F(CameraControl, TheWheelStepsOneMetreAlongTheViewAndTheMousePansAcrossIt)
{
    const glm::vec3 alongX(4.0f, 0.0f, 0.0f);
    const struct { glm::vec3 direction; int x, y, wheel; glm::vec3 expected; } rows[] = {
        {{0.0f, 3.0f, 4.0f}, 0, 0, 1, {0.0f, 0.6f, 0.8f}},
        {alongX, 0, 0, -1, {-1.0f, 0.0f, 0.0f}},
        {alongX, 0, 0, 2, {0.0f, 0.0f, 0.0f}},        // only single notches count
        {alongX, 10, 4, 0, {0.0f, -0.5f, -0.2f}},     // right pans right, down pans down
        {glm::vec3(0.0f), 10, 4, 1, glm::vec3(0.0f)}, // no direction: stays put, no NaN
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << "mouse " << row.x << ", " << row.y << ", wheel " << row.wheel);
        EXPECT_TRUE(near(row.expected, panAndZoom(row.direction, row.x, row.y, row.wheel)));
    }
    switchOff<CameraMouseShiftComponent>();
    switchOff<CameraMouseZoomMoveComponent>();
    EXPECT_TRUE(near(glm::vec3(0.0f), panAndZoom(alongX, 10, 4, 1))) << "switched off";
}

// Drawn halfway between two steps, the eye blends position and height and a
// yaw from 170° to -170° passes through 180°, not back through 0°.
TEST(CameraView, TheDrawnViewBlendsTheEyeAndTakesTheShorterWayRound)
{
    GameTesting::GameTestWorld t;
    t.world.addSystem(CameraDeltaSystem(&t.world));
    t.world.addSystem(CameraModificationDeltaSystem(&t.world));
    Camera camera;
    camera.setPerspective(60.0f, 640.0f, 480.0f, 0.1f, 100.0f);
    camera.setDefaultView();
    TransformComponent transform;
    transform.position = glm::vec3(2.0f, 0.0f, 0.0f);
    CameraModificationComponent angles;
    angles.previousOffset = glm::vec3(5.0f, 5.0f, 1.0f);
    angles.offset = glm::vec3(-5.0f, 9.0f, 3.0f);
    angles.previousYaw = 170.0f;
    angles.yaw = -170.0f;
    const uint32_t entity = t.world.createEntity();
    t.world.addComponent(entity, transform);
    t.world.addComponent(entity, CameraComponent(camera));
    t.world.addComponent(entity, angles);
    t.world.refresh();

    t.world.getSystem<CameraDeltaSystem>().run(0.5f);
    t.world.getSystem<CameraModificationDeltaSystem>().run(0.5f);

    // The transform blends from its previous position (0); only the offsets' heights count.
    const Camera& drawn = t.world.getComponent<CameraComponent>(entity).camera;
    const glm::vec3 eye(1.0f, 0.0f, 2.0f);
    EXPECT_TRUE(near(eye, drawn.position));
    EXPECT_TRUE(near(eye + glm::vec3(-1.0f, 0.0f, 0.0f), drawn.center));
    EXPECT_TRUE(near(glm::vec3(0.0f, 0.0f, 1.0f), drawn.up));
    const glm::mat4 expected = glm::lookAt(eye, eye + glm::vec3(-1.0f, 0.0f, 0.0f), glm::vec3(0.0f, 0.0f, 1.0f));
    for (int column = 0; column < 4; ++column) EXPECT_TRUE(near(glm::vec3(expected[column]), glm::vec3(drawn.view[column])));
}

} // namespace

#include "Game/UI/InputSwitch.h"

#include <gtest/gtest.h>

#include "Engine/ECS/EntityManager.h"
#include "Game/Physics/CharacterControllerComponent.h"
#include "Game/Physics/PhysicsWorld.h"
#include "Game/Scene/CameraControlComponents.h"

namespace {

// The physics world comes first so that it outlives the character's capsule.
class InputSwitchTest : public testing::Test {
protected:
    InputSwitchTest()
    {
        world.registerComponent<CharacterControllerComponent>();
        world.registerComponent<CameraMouseMovementComponent>();
        world.registerComponent<FreeCamMovementComponent>();
        world.registerComponent<CameraMouseZoomMoveComponent>();
        world.registerComponent<CameraMouseShiftComponent>();
        player = world.createEntity();
        world.addComponent(player, CharacterControllerComponent(player, &physics));
        world.addComponent(player, CameraMouseMovementComponent(false));
        camera = world.createEntity();
        world.addComponent(camera, CameraMouseMovementComponent(false));
        world.addComponent(camera, FreeCamMovementComponent(false));
        world.addComponent(camera, CameraMouseZoomMoveComponent(false));
        world.addComponent(camera, CameraMouseShiftComponent(false));
        world.refresh();
    }

    template <typename T> bool on(uint32_t entity) { return world.getComponent<T>(entity).enabled; }

    PhysicsWorld physics;
    Engine::ECS::EntityManager world;
    uint32_t player = 0;
    uint32_t camera = 0;
};

TEST_F(InputSwitchTest, PlayerSwitchTurnsWalkingAndMouseLookOnAndOffAndSkipsMissingParts)
{
    UI::setPlayerInputEnabled(world, player, true);
    EXPECT_TRUE(on<CharacterControllerComponent>(player));
    EXPECT_TRUE(on<CameraMouseMovementComponent>(player));
    UI::setPlayerInputEnabled(world, player, false);
    EXPECT_FALSE(on<CharacterControllerComponent>(player));
    EXPECT_FALSE(on<CameraMouseMovementComponent>(player));

    UI::setPlayerInputEnabled(world, camera, true);
    EXPECT_TRUE(on<CameraMouseMovementComponent>(camera));
    EXPECT_FALSE(world.hasComponent<CharacterControllerComponent>(camera));
}

TEST_F(InputSwitchTest, EditorSwitchSetsLookFlightAndZoomButNotPanningNorThePlayer)
{
    UI::setPlayerInputEnabled(world, player, true);
    UI::setEditorCameraInputEnabled(world, camera, true);
    EXPECT_TRUE(on<CameraMouseMovementComponent>(camera));
    EXPECT_TRUE(on<FreeCamMovementComponent>(camera));
    EXPECT_TRUE(on<CameraMouseZoomMoveComponent>(camera));
    EXPECT_FALSE(on<CameraMouseShiftComponent>(camera));

    UI::setEditorCameraInputEnabled(world, camera, false);
    EXPECT_FALSE(on<FreeCamMovementComponent>(camera));
    EXPECT_FALSE(on<CameraMouseMovementComponent>(camera));
    EXPECT_FALSE(on<CameraMouseZoomMoveComponent>(camera));
    EXPECT_TRUE(on<CameraMouseMovementComponent>(player));
}

} // namespace

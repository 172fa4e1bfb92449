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
    }

    uint32_t makePlayer()
    {
        const uint32_t entity = world.createEntity();
        world.addComponent(entity, CharacterControllerComponent(entity, &physics));
        world.addComponent(entity, CameraMouseMovementComponent(false));
        world.refresh();
        return entity;
    }

    uint32_t makeEditorCamera(bool enabled)
    {
        const uint32_t entity = world.createEntity();
        world.addComponent(entity, CameraMouseMovementComponent(enabled));
        world.addComponent(entity, FreeCamMovementComponent(enabled));
        world.addComponent(entity, CameraMouseZoomMoveComponent(enabled));
        world.addComponent(entity, CameraMouseShiftComponent(enabled));
        world.refresh();
        return entity;
    }

    PhysicsWorld physics;
    Engine::ECS::EntityManager world;
};

TEST_F(InputSwitchTest, PlayerSwitchTurnsWalkingAndMouseLookOnAndOff)
{
    const uint32_t player = makePlayer();
    UI::setPlayerInputEnabled(world, player, false);
    EXPECT_FALSE(world.getComponent<CharacterControllerComponent>(player).enabled);
    EXPECT_FALSE(world.getComponent<CameraMouseMovementComponent>(player).enabled);

    UI::setPlayerInputEnabled(world, player, true);
    EXPECT_TRUE(world.getComponent<CharacterControllerComponent>(player).enabled);
    EXPECT_TRUE(world.getComponent<CameraMouseMovementComponent>(player).enabled);
}

TEST_F(InputSwitchTest, PlayerSwitchSkipsComponentsTheEntityLacks)
{
    const uint32_t lookOnly = world.createEntity();
    world.addComponent(lookOnly, CameraMouseMovementComponent(false));
    world.refresh();

    UI::setPlayerInputEnabled(world, lookOnly, true);
    EXPECT_TRUE(world.getComponent<CameraMouseMovementComponent>(lookOnly).enabled);
    EXPECT_FALSE(world.hasComponent<CharacterControllerComponent>(lookOnly));
}

TEST_F(InputSwitchTest, EditorSwitchSetsLookFlightAndZoomButNotPanning)
{
    const uint32_t camera = makeEditorCamera(false);
    UI::setEditorCameraInputEnabled(world, camera, true);
    EXPECT_TRUE(world.getComponent<CameraMouseMovementComponent>(camera).enabled);
    EXPECT_TRUE(world.getComponent<FreeCamMovementComponent>(camera).enabled);
    EXPECT_TRUE(world.getComponent<CameraMouseZoomMoveComponent>(camera).enabled);
    EXPECT_FALSE(world.getComponent<CameraMouseShiftComponent>(camera).enabled);
}

TEST_F(InputSwitchTest, EditorSwitchOffLeavesThePlayerAlone)
{
    const uint32_t player = makePlayer();
    UI::setPlayerInputEnabled(world, player, true);
    const uint32_t camera = makeEditorCamera(true);

    UI::setEditorCameraInputEnabled(world, camera, false);
    EXPECT_FALSE(world.getComponent<FreeCamMovementComponent>(camera).enabled);
    EXPECT_FALSE(world.getComponent<CameraMouseMovementComponent>(camera).enabled);
    EXPECT_TRUE(world.getComponent<CameraMouseMovementComponent>(player).enabled);
}

} // namespace

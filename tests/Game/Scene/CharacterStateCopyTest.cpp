#include "Game/Scene/CharacterControllerStateCopySystem.h"

#include "Engine/ECS/EntityManager.h"
#include "Game/Physics/PhysicsWorld.h"

#include <gtest/gtest.h>

namespace {

TEST(CharacterStateCopy, TakesEveryCharacterAndLeavesItsMovementAlone)
{
    PhysicsWorld physics;
    Engine::ECS::EntityManager world;
    world.registerComponent<CharacterControllerComponent>();
    world.addSystem(CharacterControllerStateCopySystem(&world));
    const uint32_t entity = world.createEntity();
    world.addComponent(entity, CharacterControllerComponent(entity, &physics));
    world.refresh();
    CharacterControllerComponent& character = world.getComponent<CharacterControllerComponent>(entity);
    character.velocity = glm::vec3(3.0f, -2.0f, 0.0f);
    character.hooked = true;

    CharacterControllerStateCopySystem& copy = world.getSystem<CharacterControllerStateCopySystem>();
    copy.run(0.0f);

    ASSERT_EQ(1u, copy.entities.size());
    EXPECT_EQ(entity, copy.entities.front());
    EXPECT_FLOAT_EQ(3.0f, character.velocity.x);
    EXPECT_FLOAT_EQ(-2.0f, character.velocity.y);
    EXPECT_TRUE(character.hooked);
}

} // namespace

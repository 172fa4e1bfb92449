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

    EXPECT_EQ(std::vector<uint32_t>{entity}, copy.entities);
    EXPECT_EQ(glm::vec3(3.0f, -2.0f, 0.0f), character.velocity);
    EXPECT_TRUE(character.hooked);
}

} // namespace

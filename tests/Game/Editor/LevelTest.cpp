#include "Game/Level/GameMap.h"
#include "Game/Level/Level.h"
#include "Game/Physics/PhysicsColliderComponent.h"
#include "Game/Physics/PhysicsRigidBodyComponent.h"
#include "Game/Physics/PhysicsUserPointer.h"
#include "Game/Physics/PhysicsWorld.h"
#include "Game/Physics/RigidBodyColliderSystem.h"
#include "Game/Scene/TransformComponent.h"
#include "Engine/ECS/EntityManager.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using Game::BlockPlacement;
using Game::levelBlockPlacements;

constexpr size_t randomBlocks = 150;
constexpr size_t levelBlocks = 156;

// The generator's first six values from seed 1, worked out by hand from
// state = state * 214013 + 2531011 and value = (state >> 16) & 32767.
constexpr float firstValues[6] = {41.0f, 18467.0f, 6334.0f, 26500.0f, 19169.0f, 15724.0f};

TEST(LevelLayout, TheFirstBlockTakesItsSizeThenItsPositionFromZToXFromTheClassicSequence)
{
    Game::LevelRandom random;
    for (const float value : firstValues) EXPECT_EQ(random.nextValue(), static_cast<uint32_t>(value));
    Game::LevelRandom unitRandom;
    EXPECT_FLOAT_EQ(unitRandom.nextUnit(), firstValues[0] / 32767.0f);

    const BlockPlacement first = levelBlockPlacements().front();
    const auto unit = [](int i) { return firstValues[i] / 32767.0f; };
    EXPECT_EQ(first.size, glm::vec3(unit(2), unit(1), unit(0)) * 9.0f + 1.0f);
    EXPECT_FLOAT_EQ(first.position.z, unit(3) * 30.0f);
    EXPECT_FLOAT_EQ(first.position.y, unit(4) * 60.0f - 30.0f);
    EXPECT_FLOAT_EQ(first.position.x, unit(5) * 60.0f - 30.0f);
}

TEST(LevelLayout, OneHundredFiftyRandomBlocksThenTheSixFixedOnes)
{
    const std::vector<BlockPlacement> blocks = levelBlockPlacements();
    ASSERT_EQ(blocks.size(), levelBlocks);
    const BlockPlacement fixed[] = {
        {{-4.0f, 0.0f, 1.2f}, {4.0f, 4.0f, 0.2f}},  {{-8.0f, 0.0f, 0.0f}, {4.0f, 4.0f, 0.2f}},
        {{0.0f, -6.0f, 0.0f}, {2.0f, 2.0f, 5.0f}},  {{2.6f, -6.0f, 0.0f}, {2.0f, 2.0f, 5.0f}},
        {{2.6f, -12.0f, 10.0f}, {2.0f, 10.0f, 20.0f}}, {{8.0f, 8.0f, 1.05f}, {10.0f, 10.0f, 0.1f}},
    };
    for (size_t i = 0; i < 6; ++i) {
        EXPECT_EQ(blocks[randomBlocks + i].position, fixed[i].position) << "fixed block " << i;
        EXPECT_EQ(blocks[randomBlocks + i].size, fixed[i].size) << "fixed block " << i;
    }
}

TEST(LevelLayout, RandomBlocksStayWithinTheirRangesAndRepeatOnEveryRun)
{
    const std::vector<BlockPlacement> blocks = levelBlockPlacements();
    const std::vector<BlockPlacement> again = levelBlockPlacements();
    const glm::vec3 lowest(-30.0f, -30.0f, 0.0f);
    const glm::vec3 highest(30.0f);
    for (size_t i = 0; i < randomBlocks; ++i) {
        const BlockPlacement& block = blocks[i];
        EXPECT_TRUE(glm::all(glm::greaterThanEqual(block.size, glm::vec3(1.0f)))) << i;
        EXPECT_TRUE(glm::all(glm::lessThanEqual(block.size, glm::vec3(10.0f)))) << i;
        EXPECT_TRUE(glm::all(glm::greaterThanEqual(block.position, lowest))) << i;
        EXPECT_TRUE(glm::all(glm::lessThanEqual(block.position, highest))) << i;
        EXPECT_EQ(block.position, again[i].position) << i;
        EXPECT_EQ(block.size, again[i].size) << i;
    }
}

class LevelCreationTest : public ::testing::Test {
protected:
    LevelCreationTest()
    {
        world.registerComponent<TransformComponent>();
        world.registerComponent<PhysicsRigidBodyComponent>();
        world.registerComponent<PhysicsColliderComponent>();
        world.addSystem(RigidBodyColliderSystem(&world, &physics));
    }

    PhysicsWorld physics;
    Engine::ECS::EntityManager world;
    Game::GameMap map;
};

TEST_F(LevelCreationTest, ABlockIsATurnedTransformWithABoxColliderAndAStaticBodyInTheBlockGroup)
{
    const glm::vec3 position(1.0f, 2.0f, 3.0f);
    const glm::vec3 size(2.0f, 4.0f, 6.0f);
    const uint32_t block = Game::createBlock(map, world, position, size);
    world.refresh();

    EXPECT_EQ(map.blocks, std::vector<uint32_t>{block});
    const TransformComponent& transform = world.getComponent<TransformComponent>(block);
    EXPECT_EQ(transform.position, position);
    EXPECT_EQ(transform.scale, size);
    const float halfTurn = 15.0f * 3.14159265f / 180.0f;
    EXPECT_NEAR(transform.rotation.w, std::cos(halfTurn), 1e-6f);
    EXPECT_NEAR(transform.rotation.y, std::sin(halfTurn), 1e-6f);
    EXPECT_EQ(glm::vec2(transform.rotation.x, transform.rotation.z), glm::vec2(0.0f));

    const auto* box = static_cast<const btBoxShape*>(world.getComponent<PhysicsColliderComponent>(block).shape.get());
    EXPECT_LT((box->getHalfExtentsWithMargin() - btVector3(1.0f, 2.0f, 3.0f)).length(), 1e-5f);

    const PhysicsRigidBodyComponent& body = world.getComponent<PhysicsRigidBodyComponent>(block);
    EXPECT_EQ(body.getMass(), 0.0f);
    EXPECT_TRUE(body.getBody()->isStaticObject());
    EXPECT_EQ(body.getUserPointer()->group, GamePhysics::CollisionGroup::block);
    EXPECT_EQ(body.getUserPointer()->entity, block);
}

TEST_F(LevelCreationTest, TheLevelCreatesEveryBlockInOrderAndAsksForTheMergedModel)
{
    Game::createLevel(map, world);
    world.refresh();

    const std::vector<BlockPlacement> placements = levelBlockPlacements();
    ASSERT_EQ(map.blocks.size(), levelBlocks);
    for (size_t i = 0; i < levelBlocks; ++i) {
        const TransformComponent& transform = world.getComponent<TransformComponent>(map.blocks[i]);
        EXPECT_EQ(transform.position, placements[i].position) << "block " << i;
        EXPECT_EQ(transform.scale, placements[i].size) << "block " << i;
    }
    EXPECT_EQ(physics.getDynamicsWorld()->getNumCollisionObjects(), static_cast<int>(levelBlocks));
    EXPECT_EQ(map.rebuildCountdown, Game::GameMap::rebuildRequested);
    EXPECT_EQ(map.mergedModel, nullptr);
}

} // namespace

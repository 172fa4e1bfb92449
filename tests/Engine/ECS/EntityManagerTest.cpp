#include "Engine/ECS/EntityManager.h"
#include "tests/Engine/ECS/TestComponents.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

namespace {

using Engine::ECS::EntityManager;
using EcsTest::Position;
using EcsTest::Tag;
using EcsTest::Velocity;
using Ids = std::vector<uint32_t>;

class EntityManagerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        world.registerComponent<Position>();
        world.registerComponent<Velocity>();
    }

    Ids createEntities(int count)
    {
        Ids created;
        for (int i = 0; i < count; ++i) created.push_back(world.createEntity());
        return created;
    }

    EntityManager world;
};

TEST_F(EntityManagerTest, RegisteringATakenSlotThrows)
{
    try {
        world.registerComponent<EcsTest::PositionTwin>();
        FAIL() << "a second list for slot 1 was accepted";
    } catch (const std::runtime_error& error) {
        EXPECT_STREQ(error.what(), "ComponentID already used");
    }
    EXPECT_THROW(world.registerComponent<Position>(), std::runtime_error);
    EXPECT_TRUE(world.registerComponent<Tag>());
}

TEST_F(EntityManagerTest, AdditionsAndDestructionsAreSeenAtTheRefresh)
{
    const uint32_t entity = world.createEntity();
    world.addComponent(entity, Position(2.0f));
    world.addComponent(entity, Velocity(3.0f));
    EXPECT_FALSE(world.hasComponent<Position>(entity));
    world.refresh();
    world.getComponent<Position>(entity).x = 4.0f;
    EXPECT_FLOAT_EQ(world.getComponent<Position>(entity).x, 4.0f);

    world.destroyEntity(entity);
    EXPECT_TRUE(world.isAlive(entity));
    EXPECT_FLOAT_EQ(world.getComponent<Velocity>(entity).dx, 3.0f);
    world.refresh();
    EXPECT_FALSE(world.isAlive(entity));
    EXPECT_FALSE(world.hasComponent<Position>(entity));
    EXPECT_FALSE(world.hasComponent<Velocity>(entity));
}

TEST_F(EntityManagerTest, AllRemovalsHappenBeforeAdditions)
{
    const Ids entities = createEntities(4);
    for (int i = 0; i < 3; ++i) world.addComponent(entities[i], Position(static_cast<float>(i)));
    world.refresh();

    world.destroyEntity(entities[0]);
    world.addComponent(entities[3], Position(3.0f));
    world.refresh();

    // The last element fills the gap before the newcomer is appended; the
    // other way round the newcomer would fill the gap.
    const auto& list = world.getComponentList<Position>();
    ASSERT_EQ(list.size(), 3);
    EXPECT_EQ(list.entityAt(0), entities[2]);
    EXPECT_EQ(list.entityAt(1), entities[1]);
    EXPECT_EQ(list.entityAt(2), entities[3]);
}

TEST_F(EntityManagerTest, IdentifiersAreRecycledAfterTheRefreshFirstInFirstOutAscendingWithinAStep)
{
    EXPECT_EQ(createEntities(7), (Ids{1, 2, 3, 4, 5, 6, 7}));
    world.destroyEntity(5);
    world.destroyEntity(3);
    EXPECT_EQ(world.createEntity(), 8u) << "not free before the refresh commits the destruction";
    world.refresh();
    world.destroyEntity(2);
    world.refresh();
    EXPECT_EQ(createEntities(4), (Ids{3, 5, 2, 9}));
}

TEST_F(EntityManagerTest, DestroyingTwiceOrAnIdentifierThatIsNotAliveFreesNothingMore)
{
    createEntities(2);
    world.destroyEntity(1);
    world.destroyEntity(1);
    world.destroyEntity(0);
    world.destroyEntity(40);
    world.destroyEntity(5000);
    world.refresh();
    world.destroyEntity(1);
    world.refresh();
    EXPECT_EQ(createEntities(3), (Ids{1, 3, 4}));
}

TEST_F(EntityManagerTest, ComponentsQueuedForAnEntityDestroyedInTheSameStepAreDiscarded)
{
    const uint32_t entity = world.createEntity();
    const uint32_t survivor = world.createEntity();
    world.addComponent(entity, Position(1.0f));
    world.addComponent(entity, Velocity(1.0f));
    world.addComponent(survivor, Position(3.0f));
    world.destroyEntity(entity);
    world.refresh();
    EXPECT_EQ(world.getComponentList<Position>().size(), 1);
    EXPECT_EQ(world.getComponentList<Velocity>().size(), 0);

    ASSERT_EQ(world.createEntity(), entity);
    world.addComponent(entity, Position(2.0f));
    world.refresh();
    EXPECT_FLOAT_EQ(world.getComponent<Position>(entity).x, 2.0f);
}

TEST_F(EntityManagerTest, LastIdentifierIs2047AndFreedOnesCanBeReused)
{
    EXPECT_EQ(createEntities(2047).back(), 2047u);
    world.addComponent(2047, Position(7.0f));
    world.destroyEntity(100);
    world.refresh();
    EXPECT_TRUE(world.hasComponent<Position>(2047));
    EXPECT_FALSE(world.hasComponent<Position>(2048));
    EXPECT_EQ(world.createEntity(), 100u);
}

using EntityManagerDeathTest = EntityManagerTest;

TEST_F(EntityManagerDeathTest, MisuseAsserts)
{
    const uint32_t entity = world.createEntity();
    world.addComponent(entity, Position());
    EXPECT_DEATH(world.addComponent(entity, Position()), "this->hasComponent\\(entityID\\) == false");
    EXPECT_DEATH(world.getComponent<Position>(entity), "idLookup\\[entityID\\] != 0 && idLookup\\[entityID\\] >= 1");
    EXPECT_DEATH(world.addComponent(entity, Tag()), "componentContainers\\[C::_cType\\] != nullptr");
    EXPECT_DEATH(world.getComponent<Tag>(entity), "componentContainers\\[C::_cType\\] != nullptr");
    EXPECT_DEATH(world.hasComponent<Tag>(entity), "componentContainers\\[C::_cType\\] != nullptr");
    EXPECT_DEATH(world.addComponent(2, Position()), "addComponent to an entity that is not alive");
    EXPECT_DEATH(world.addComponent(2048, Position()), "addComponent to an entity that is not alive");
    world.destroyEntity(entity);
    world.refresh();
    EXPECT_DEATH(world.addComponent(entity, Position()), "addComponent to an entity that is not alive");
}

TEST_F(EntityManagerDeathTest, IdentifiersDestroyedButNotCommittedStillCountTowardsTheLimit)
{
    createEntities(2047);
    EXPECT_DEATH(world.createEntity(), "all 2047 entity identifiers are in use \\(identifiers stay below 2048\\)");
    world.destroyEntity(10);
    EXPECT_DEATH(world.createEntity(), "all 2047 entity identifiers are in use");
}

} // namespace

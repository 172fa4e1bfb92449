#include "Engine/ECS/EntityManager.h"
#include "tests/Engine/ECS/TestComponents.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace {

using Engine::ECS::EntityManager;
using EcsTest::Position;
using EcsTest::Tag;
using EcsTest::Velocity;

class EntityManagerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        world.registerComponent<Position>();
        world.registerComponent<Velocity>();
    }

    std::vector<uint32_t> createEntities(int count)
    {
        std::vector<uint32_t> created;
        for (int i = 0; i < count; ++i) created.push_back(world.createEntity());
        return created;
    }

    EntityManager world;
};

TEST_F(EntityManagerTest, IdentifiersStartAtOneAndGrow)
{
    EXPECT_EQ(createEntities(3), (std::vector<uint32_t>{1, 2, 3}));
}

TEST_F(EntityManagerTest, RegisteringTheSameSlotTwiceThrows)
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

TEST_F(EntityManagerTest, AddedComponentIsInvisibleUntilRefresh)
{
    const uint32_t entity = world.createEntity();
    world.addComponent(entity, Position(4.0f));
    EXPECT_FALSE(world.hasComponent<Position>(entity));

    world.refresh();
    ASSERT_TRUE(world.hasComponent<Position>(entity));
    EXPECT_FLOAT_EQ(world.getComponent<Position>(entity).x, 4.0f);
    EXPECT_FALSE(world.hasComponent<Velocity>(entity));
}

TEST_F(EntityManagerTest, ComponentReferenceWritesThroughToTheWorld)
{
    const uint32_t entity = world.createEntity();
    world.addComponent(entity, Position(1.0f));
    world.refresh();
    world.getComponent<Position>(entity).x = 9.0f;
    EXPECT_FLOAT_EQ(world.getComponent<Position>(entity).x, 9.0f);
}

TEST_F(EntityManagerTest, DestroyedEntityKeepsComponentsUntilRefresh)
{
    const uint32_t entity = world.createEntity();
    world.addComponent(entity, Position(2.0f));
    world.addComponent(entity, Velocity(3.0f));
    world.refresh();

    world.destroyEntity(entity);
    EXPECT_TRUE(world.isAlive(entity));
    EXPECT_FLOAT_EQ(world.getComponent<Position>(entity).x, 2.0f);
    EXPECT_FLOAT_EQ(world.getComponent<Velocity>(entity).dx, 3.0f);

    world.refresh();
    EXPECT_FALSE(world.isAlive(entity));
    EXPECT_FALSE(world.hasComponent<Position>(entity));
    EXPECT_FALSE(world.hasComponent<Velocity>(entity));
}

TEST_F(EntityManagerTest, AllRemovalsHappenBeforeAdditions)
{
    const auto entities = createEntities(4);
    for (int i = 0; i < 3; ++i) world.addComponent(entities[i], Position(static_cast<float>(i)));
    world.refresh();

    world.destroyEntity(entities[0]);
    world.addComponent(entities[3], Position(3.0f));
    world.refresh();

    // Removal first: the last element fills the gap, then the newcomer is
    // appended. The other way round the newcomer would fill the gap.
    const auto& list = world.getComponentList<Position>();
    ASSERT_EQ(list.size(), 3);
    EXPECT_EQ(list.entityAt(0), entities[2]);
    EXPECT_EQ(list.entityAt(1), entities[1]);
    EXPECT_EQ(list.entityAt(2), entities[3]);
}

TEST_F(EntityManagerTest, IdentifiersAreRecycledFirstInFirstOutInAscendingOrder)
{
    createEntities(7);
    world.destroyEntity(5);
    world.destroyEntity(3);
    world.refresh();

    EXPECT_EQ(createEntities(3), (std::vector<uint32_t>{3, 5, 8}));
}

TEST_F(EntityManagerTest, IdentifiersFreedInLaterStepsQueueBehindEarlierOnes)
{
    createEntities(6);
    world.destroyEntity(6);
    world.refresh();
    world.destroyEntity(2);
    world.refresh();

    EXPECT_EQ(createEntities(3), (std::vector<uint32_t>{6, 2, 7}));
}

TEST_F(EntityManagerTest, DestroyAndCreateInOneStepDoesNotReuseTheIdentifier)
{
    const uint32_t doomed = world.createEntity();
    world.refresh();
    world.destroyEntity(doomed);
    const uint32_t created = world.createEntity();
    EXPECT_NE(created, doomed);

    world.refresh();
    EXPECT_EQ(world.createEntity(), doomed);
}

TEST_F(EntityManagerTest, DestroyingTwiceInOneStepFreesTheIdentifierOnce)
{
    const uint32_t entity = world.createEntity();
    world.destroyEntity(entity);
    world.destroyEntity(entity);
    world.refresh();

    EXPECT_EQ(createEntities(2), (std::vector<uint32_t>{entity, entity + 1}));
}

TEST_F(EntityManagerTest, DestroyingAnIdentifierNeverHandedOutIsIgnored)
{
    createEntities(2);
    world.destroyEntity(40);
    world.destroyEntity(0);
    world.destroyEntity(5000);
    world.refresh();

    EXPECT_EQ(world.createEntity(), 3u);
}

TEST_F(EntityManagerTest, DestroyingAnAlreadyDestroyedIdentifierIsIgnored)
{
    const uint32_t entity = world.createEntity();
    world.destroyEntity(entity);
    world.refresh();
    world.destroyEntity(entity);
    world.refresh();

    EXPECT_EQ(createEntities(2), (std::vector<uint32_t>{entity, entity + 1}));
}

TEST_F(EntityManagerTest, ComponentsQueuedForAnEntityDestroyedInTheSameStepAreDiscarded)
{
    const uint32_t entity = world.createEntity();
    world.addComponent(entity, Position(1.0f));
    world.addComponent(entity, Velocity(1.0f));
    world.destroyEntity(entity);
    world.refresh();

    EXPECT_EQ(world.getComponentList<Position>().size(), 0);
    EXPECT_EQ(world.getComponentList<Velocity>().size(), 0);

    // The recycled identifier starts out empty and takes new components.
    ASSERT_EQ(world.createEntity(), entity);
    EXPECT_FALSE(world.hasComponent<Position>(entity));
    world.addComponent(entity, Position(2.0f));
    world.refresh();
    EXPECT_FLOAT_EQ(world.getComponent<Position>(entity).x, 2.0f);
}

TEST_F(EntityManagerTest, LastIdentifierIs2047AndFreedOnesCanBeReused)
{
    const auto entities = createEntities(2047);
    EXPECT_EQ(entities.back(), 2047u);
    world.addComponent(entities.back(), Position(7.0f));
    world.destroyEntity(100);
    world.refresh();

    EXPECT_TRUE(world.hasComponent<Position>(2047));
    EXPECT_EQ(world.createEntity(), 100u);
}

TEST_F(EntityManagerTest, IdentifiersAtOrBeyondCapacityHaveNoComponents)
{
    EXPECT_FALSE(world.hasComponent<Position>(2048));
    EXPECT_FALSE(world.hasComponent<Position>(70000));
}

using EntityManagerDeathTest = EntityManagerTest;

TEST_F(EntityManagerDeathTest, CreatingBeyondTheIdentifierLimitAsserts)
{
    createEntities(2047);
    EXPECT_DEATH(world.createEntity(), "all 2047 entity identifiers are in use \\(identifiers stay below 2048\\)");
}

TEST_F(EntityManagerDeathTest, DestroyedButUncommittedIdentifiersStillCountAsInUse)
{
    createEntities(2047);
    world.destroyEntity(10);
    EXPECT_DEATH(world.createEntity(), "all 2047 entity identifiers are in use");
}

TEST_F(EntityManagerDeathTest, UnregisteredTypeAssertsOnAdd)
{
    const uint32_t entity = world.createEntity();
    EXPECT_DEATH(world.addComponent(entity, Tag()), "componentContainers\\[C::_cType\\] != nullptr");
}

TEST_F(EntityManagerDeathTest, UnregisteredTypeAssertsOnGet)
{
    EXPECT_DEATH(world.getComponent<Tag>(1), "componentContainers\\[C::_cType\\] != nullptr");
}

TEST_F(EntityManagerDeathTest, UnregisteredTypeAssertsOnHas)
{
    EXPECT_DEATH(world.hasComponent<Tag>(1), "componentContainers\\[C::_cType\\] != nullptr");
}

TEST_F(EntityManagerDeathTest, ReadingAnUncommittedComponentAsserts)
{
    const uint32_t entity = world.createEntity();
    world.addComponent(entity, Position());
    EXPECT_DEATH(world.getComponent<Position>(entity), "idLookup\\[entityID\\] != 0 && idLookup\\[entityID\\] >= 1");
}

TEST_F(EntityManagerDeathTest, AddingACommittedTypeAgainAsserts)
{
    const uint32_t entity = world.createEntity();
    world.addComponent(entity, Position());
    world.refresh();
    EXPECT_DEATH(world.addComponent(entity, Position()), "this->hasComponent\\(entityID\\) == false");
}

TEST_F(EntityManagerDeathTest, AddingTheSameTypeTwiceInOneStepAsserts)
{
    const uint32_t entity = world.createEntity();
    world.addComponent(entity, Position());
    EXPECT_DEATH(world.addComponent(entity, Position()), "this->hasComponent\\(entityID\\) == false");
}

TEST_F(EntityManagerDeathTest, AddingToAnIdentifierThatIsNotAliveAsserts)
{
    const uint32_t entity = world.createEntity();
    world.destroyEntity(entity);
    world.refresh();
    EXPECT_DEATH(world.addComponent(entity, Position()), "addComponent to an entity that is not alive");
    EXPECT_DEATH(world.addComponent(2048, Position()), "addComponent to an entity that is not alive");
}

} // namespace

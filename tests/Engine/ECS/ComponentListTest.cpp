#include "Engine/ECS/ComponentList.h"
#include "tests/Engine/ECS/TestComponents.h"

#include <gtest/gtest.h>

namespace {

using Engine::ECS::ComponentList;
using EcsTest::Position;

// Commits components for the given entities in order, with x = entity * 10.
void commitEntities(ComponentList<Position>& list, std::initializer_list<uint32_t> entities)
{
    for (uint32_t entity : entities) list.add(entity, Position(static_cast<float>(entity) * 10.0f));
    list.flushAdds();
}

void removeEntity(ComponentList<Position>& list, uint32_t entity)
{
    list.queueRemove(entity);
    list.flushRemovals();
    list.flushAdds();
}

// Every committed component is found through idLookup and owned per entityOf.
void expectConsistent(const ComponentList<Position>& list)
{
    const auto& dense = list.components();
    for (uint32_t position = 0; position < dense.size(); ++position) {
        const uint32_t entity = list.entityAt(position);
        EXPECT_EQ(list.lookup(entity), position + 1);
        EXPECT_FLOAT_EQ(list.get(entity).x, static_cast<float>(entity) * 10.0f);
    }
}

TEST(ComponentListQueues, AdditionIsInvisibleUntilCommitted)
{
    ComponentList<Position> list;
    list.add(4, Position(40.0f));
    EXPECT_FALSE(list.hasComponent(4));
    EXPECT_EQ(list.size(), 0);

    list.flushAdds();
    EXPECT_TRUE(list.hasComponent(4));
    EXPECT_EQ(list.size(), 1);
    EXPECT_FLOAT_EQ(list.get(4).x, 40.0f);
}

TEST(ComponentListQueues, AdditionsAreCommittedInTheOrderMade)
{
    ComponentList<Position> list;
    commitEntities(list, {9, 2, 5});
    EXPECT_EQ(list.entityAt(0), 9u);
    EXPECT_EQ(list.entityAt(1), 2u);
    EXPECT_EQ(list.entityAt(2), 5u);
    expectConsistent(list);
}

TEST(ComponentListQueues, QueuedRemovalLeavesComponentReadableUntilFlushed)
{
    ComponentList<Position> list;
    commitEntities(list, {3});
    list.queueRemove(3);
    EXPECT_TRUE(list.hasComponent(3));
    EXPECT_FLOAT_EQ(list.get(3).x, 30.0f);

    list.flushRemovals();
    EXPECT_FALSE(list.hasComponent(3));
}

TEST(ComponentListQueues, RemovalOfEntityWithoutComponentIsDropped)
{
    ComponentList<Position> list;
    commitEntities(list, {1, 2});
    removeEntity(list, 7);
    EXPECT_EQ(list.size(), 2);
    expectConsistent(list);
}

TEST(ComponentListQueues, QueuedRemovalDiscardsQueuedAdditionOfThatEntity)
{
    ComponentList<Position> list;
    list.add(6, Position(60.0f));
    list.add(8, Position(80.0f));
    list.queueRemove(6);
    list.flushRemovals();
    list.flushAdds();

    EXPECT_FALSE(list.hasComponent(6));
    EXPECT_TRUE(list.hasComponent(8));
    EXPECT_EQ(list.size(), 1);

    // The identifier is free again for a later addition.
    list.add(6, Position(60.0f));
    list.flushAdds();
    EXPECT_TRUE(list.hasComponent(6));
}

TEST(ComponentListSwapRemoval, RemovingTheOnlyElementEmptiesTheList)
{
    ComponentList<Position> list;
    commitEntities(list, {5});
    removeEntity(list, 5);
    EXPECT_EQ(list.size(), 0);
    EXPECT_EQ(list.lookup(5), 0u);
}

TEST(ComponentListSwapRemoval, RemovingTheLastElementMovesNothing)
{
    ComponentList<Position> list;
    commitEntities(list, {1, 2, 3});
    removeEntity(list, 3);
    EXPECT_EQ(list.entityAt(0), 1u);
    EXPECT_EQ(list.entityAt(1), 2u);
    EXPECT_EQ(list.size(), 2);
    expectConsistent(list);
}

TEST(ComponentListSwapRemoval, RemovingTheFirstOfThreeMovesTheThirdIntoItsPlace)
{
    ComponentList<Position> list;
    commitEntities(list, {1, 2, 3});
    removeEntity(list, 1);

    EXPECT_EQ(list.size(), 2);
    EXPECT_EQ(list.entityAt(0), 3u);
    EXPECT_EQ(list.lookup(3), 1u);
    EXPECT_EQ(list.entityAt(1), 2u);
    EXPECT_EQ(list.lookup(2), 2u);
    EXPECT_EQ(list.lookup(1), 0u);
    expectConsistent(list);
}

TEST(ComponentListSwapRemoval, SeveralRemovalsInOneCommitKeepTheTablesConsistent)
{
    ComponentList<Position> list;
    commitEntities(list, {10, 11, 12, 13, 14, 15});
    list.queueRemove(11);
    list.queueRemove(15);
    list.queueRemove(10);
    list.flushRemovals();

    EXPECT_EQ(list.size(), 3);
    EXPECT_FALSE(list.hasComponent(10));
    EXPECT_FALSE(list.hasComponent(11));
    EXPECT_FALSE(list.hasComponent(15));
    expectConsistent(list);
}

TEST(ComponentListLookup, IdentifiersAtOrBeyondCapacityHaveNoComponent)
{
    ComponentList<Position> list;
    commitEntities(list, {2047});
    EXPECT_TRUE(list.hasComponent(2047));
    EXPECT_FALSE(list.hasComponent(2048));
    EXPECT_FALSE(list.hasComponent(100000));
}

TEST(ComponentListLookup, TypeErasedAddQueuesACopy)
{
    ComponentList<Position> list;
    Engine::ECS::ComponentListAbstract& erased = list;
    const Position original(12.5f);
    erased.add(3, original);
    erased.flushAdds();
    EXPECT_TRUE(erased.hasComponent(3));
    EXPECT_FLOAT_EQ(list.get(3).x, 12.5f);
}

using ComponentListDeathTest = ::testing::Test;

TEST_F(ComponentListDeathTest, AddingACommittedTypeAgainAsserts)
{
    ComponentList<Position> list;
    commitEntities(list, {3});
    EXPECT_DEATH(list.add(3, Position()), "this->hasComponent\\(entityID\\) == false");
}

TEST_F(ComponentListDeathTest, AddingTwiceBeforeTheCommitAsserts)
{
    ComponentList<Position> list;
    list.add(3, Position());
    EXPECT_DEATH(list.add(3, Position()), "this->hasComponent\\(entityID\\) == false");
}

TEST_F(ComponentListDeathTest, ReadingAMissingComponentAsserts)
{
    ComponentList<Position> list;
    list.add(3, Position());
    EXPECT_DEATH(list.get(3), "idLookup\\[entityID\\] != 0 && idLookup\\[entityID\\] >= 1");
}

TEST_F(ComponentListDeathTest, ReadingBeyondCapacityAssertsInsteadOfReadingPastTheTable)
{
    ComponentList<Position> list;
    EXPECT_DEATH(list.get(2048), "idLookup\\[entityID\\] != 0 && idLookup\\[entityID\\] >= 1");
}

TEST_F(ComponentListDeathTest, AddingBeyondCapacityAsserts)
{
    ComponentList<Position> list;
    EXPECT_DEATH(list.add(2048, Position()), "entityID < capacity");
}

} // namespace

#include "Engine/ECS/ComponentList.h"
#include "tests/Engine/ECS/TestComponents.h"

#include <gtest/gtest.h>

namespace {

using Engine::ECS::ComponentList;
using EcsTest::Position;
using Ids = std::vector<uint32_t>;

// Commits components for the given entities in order, with x = entity * 10.
void commitEntities(ComponentList<Position>& list, const Ids& entities)
{
    for (uint32_t entity : entities) list.add(entity, Position(static_cast<float>(entity) * 10.0f));
    list.flushAdds();
}

TEST(ComponentList, RemovalSwapsTheLastComponentIntoTheGap)
{
    struct Case {
        Ids committed, removed, expected;
    };
    const Case cases[] = {
        {{9, 2, 5}, {}, {9, 2, 5}},
        {{5}, {5}, {}},
        {{1, 2, 3}, {3}, {1, 2}},
        {{1, 2, 3}, {1}, {3, 2}},
        {{1, 2}, {7}, {1, 2}},
        {{10, 11, 12, 13, 14, 15}, {11, 15, 10}, {13, 14, 12}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.committed) + " minus " + testing::PrintToString(c.removed));
        ComponentList<Position> list;
        commitEntities(list, c.committed);
        for (uint32_t entity : c.removed) list.queueRemove(entity);
        list.flushRemovals();

        ASSERT_EQ(list.size(), static_cast<int64_t>(c.expected.size()));
        for (uint32_t position = 0; position < c.expected.size(); ++position) {
            const uint32_t entity = c.expected[position];
            EXPECT_EQ(list.entityAt(position), entity);
            EXPECT_EQ(list.lookup(entity), position + 1);
            EXPECT_FLOAT_EQ(list.get(entity).x, static_cast<float>(entity) * 10.0f);
        }
        for (uint32_t entity : c.removed) EXPECT_EQ(list.lookup(entity), 0u);
    }
}

TEST(ComponentListDeathTest, AddingACommittedTypeAgainAndIdentifiersFrom2048Assert)
{
    ComponentList<Position> list;
    commitEntities(list, {3});
    EXPECT_DEATH(list.add(3, Position()), "this->hasComponent\\(entityID\\) == false");
    EXPECT_DEATH(list.get(2048), "idLookup\\[entityID\\] != 0 && idLookup\\[entityID\\] >= 1");
    EXPECT_DEATH(list.add(2048, Position()), "entityID < capacity");
}

} // namespace

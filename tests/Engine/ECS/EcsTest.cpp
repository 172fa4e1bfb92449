#include "Engine/ECS/EntityManager.h"
#include "Engine/ECS/SystemType.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Engine::ECS::ComponentList;
using Engine::ECS::EntityManager;
using Ids = std::vector<uint32_t>;
using Log = std::vector<std::string>;

struct Position : Engine::ECS::Component {
    static constexpr uint32_t _cType = 1;
    explicit Position(float x = 0.0f) : x(x) {}
    float x;
};
struct Velocity : Engine::ECS::Component {
    static constexpr uint32_t _cType = 2;
};
struct Tag : Engine::ECS::Component {
    static constexpr uint32_t _cType = 63;
    explicit Tag(int group = 0) : group(group) {}
    int group;
};

// Writes every hook and update it receives into a shared log.
class Recorder : public Engine::ECS::System {
public:
    Recorder(EntityManager* world, Ids types, std::string label, Log* log)
        : System(world, std::move(types)), label(std::move(label)), log(log)
    {
    }
    void update(uint32_t entity, float) override { note("update", entity); }
    void onEntityAdded(uint32_t entity) override { note("added", entity); }
    void onEntityRemoved(uint32_t entity) override
    {
        note("removed", entity);
        if (world->hasComponent<Position>(entity)) note("saw x=" + std::to_string(int(world->getComponent<Position>(entity).x)), entity);
    }
    std::string label;
    Log* log;

protected:
    void note(const std::string& call, uint32_t entity) { log->push_back(label + " " + call + " " + std::to_string(entity)); }
};

// Named doubles: hooks run in the order of the unqualified class names.
class Beta : public Recorder { using Recorder::Recorder; };
class Alpha : public Recorder { using Recorder::Recorder; };

// Joins entities whose Tag group is 1; grows its member list while running.
class GroupOne : public Recorder {
public:
    using Recorder::Recorder;
    bool accepts(uint32_t entity) override { return world->getComponent<Tag>(entity).group == 1; }
    void update(uint32_t entity, float dt) override
    {
        Recorder::update(entity, dt);
        if (entity == 2) entities.push_back(99);
    }
};

class EcsTest : public testing::Test {
protected:
    void SetUp() override
    {
        world.registerComponent<Position>();
        world.registerComponent<Velocity>();
        world.registerComponent<Tag>();
    }
    Ids create(int count)
    {
        Ids ids;
        for (int i = 0; i < count; ++i) ids.push_back(world.createEntity());
        return ids;
    }
    EntityManager world;
    Log log;
};

TEST(ComponentList, RemovalSwapsTheLastComponentIntoTheGapAndKeepsLookupsRight)
{
    const struct {
        Ids committed, removed, expected;
    } cases[] = {
        {{5}, {5}, {}},
        {{1, 2, 3}, {3}, {1, 2}},
        {{1, 2, 3}, {1}, {3, 2}},
        {{1, 2}, {7}, {1, 2}},
        {{10, 11, 12, 13, 14, 15}, {11, 15, 10}, {13, 14, 12}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.committed) + " minus " + testing::PrintToString(c.removed));
        ComponentList<Position> list;
        for (uint32_t entity : c.committed) list.add(entity, Position(float(entity)));
        list.flushAdds();
        for (uint32_t entity : c.removed) list.queueRemove(entity);
        list.flushRemovals();
        ASSERT_EQ(list.size(), int64_t(c.expected.size()));
        for (uint32_t position = 0; position < c.expected.size(); ++position) {
            EXPECT_EQ(list.entityAt(position), c.expected[position]);
            EXPECT_EQ(list.get(c.expected[position]).x, float(c.expected[position]));
        }
        for (uint32_t entity : c.removed) EXPECT_FALSE(list.hasComponent(entity));
    }
}

TEST_F(EcsTest, ARefreshCommitsDestructionsAndRemovalsBeforeAdditions)
{
    const Ids e = create(4);
    for (int i = 0; i < 3; ++i) world.addComponent(e[i], Position(float(i)));
    EXPECT_FALSE(world.hasComponent<Position>(e[0])) << "additions wait for the refresh";
    world.refresh();
    world.addComponent(e[0], Velocity()); // queued for an entity destroyed in the same step: dropped
    world.destroyEntity(e[0]);
    world.addComponent(e[3], Position(3.0f));
    EXPECT_TRUE(world.isAlive(e[0]));
    world.refresh();
    EXPECT_FALSE(world.isAlive(e[0]));
    EXPECT_EQ(world.getComponentList<Velocity>().size(), 0);
    // The last element fills the gap before the newcomer is appended.
    const auto& list = world.getComponentList<Position>();
    ASSERT_EQ(list.size(), 3);
    EXPECT_EQ((Ids{list.entityAt(0), list.entityAt(1), list.entityAt(2)}), (Ids{e[2], e[1], e[3]}));
}

TEST_F(EcsTest, FreedIdentifiersAreReusedFirstInFirstOutOnlyAfterTheRefresh)
{
    EXPECT_EQ(create(7), (Ids{1, 2, 3, 4, 5, 6, 7}));
    world.destroyEntity(5);
    world.destroyEntity(3);
    world.destroyEntity(3);
    world.destroyEntity(5000);
    EXPECT_EQ(world.createEntity(), 8u) << "not free before the refresh";
    world.refresh();
    world.destroyEntity(2);
    world.refresh();
    EXPECT_EQ(create(4), (Ids{3, 5, 2, 9}));

    world.destroyEntity(6);
    world.refresh();
    world.destroyEntity(4);
    world.destroyEntity(1);
    world.refresh();
    world.sortFreeIdentifiers();
    world.destroyEntity(3);
    world.refresh();
    EXPECT_EQ(create(5), (Ids{1, 4, 6, 3, 10})) << "sorted, then the later frees behind them";
}

// A hook that destroys its entity again, or gives it a component, while the
// refresh that destroys it runs: neither reaches the identifier's next owner.
class Meddler : public Recorder {
public:
    using Recorder::Recorder;
    void onEntityRemoved(uint32_t entity) override
    {
        world->destroyEntity(entity);
        world->addComponent(entity, Velocity());
    }
};

TEST_F(EcsTest, HooksOfTheRefreshThatDestroysAnEntityCannotTouchItsIdentifierAgain)
{
    world.addSystem(Meddler(&world, {Position::_cType}, "m", &log));
    const Ids e = create(2);
    for (uint32_t entity : e) world.addComponent(entity, Position());
    world.refresh();
    world.destroyEntity(e[0]);
    world.refresh();
    EXPECT_FALSE(world.isAlive(e[0]));
    EXPECT_EQ(create(3), (Ids{e[0], 3, 4})) << "freed once";
    world.refresh();
    EXPECT_TRUE(world.isAlive(e[0])) << "the new owner lives on";
    EXPECT_FALSE(world.hasComponent<Velocity>(e[0])) << "and starts bare";
}

TEST_F(EcsTest, SystemsGainAndLoseMembersAtTheRefreshInClassNameOrder)
{
    world.addSystem(Beta(&world, {Position::_cType, Velocity::_cType}, "Beta", &log));
    world.addSystem(Alpha(&world, {Position::_cType}, "Alpha", &log));
    const uint32_t entity = world.createEntity();
    world.addComponent(entity, Position(6.0f));
    world.refresh();
    world.addComponent(entity, Velocity());
    world.refresh();
    world.addComponent(entity, Tag()); // already a member: no second hook
    world.refresh();
    world.destroyEntity(entity);
    world.refresh();
    EXPECT_EQ(log, (Log{"Alpha added 1", "Beta added 1", "Alpha removed 1", "Alpha saw x=6 1", "Beta removed 1",
                        "Beta saw x=6 1"}));
    EXPECT_TRUE(world.getSystem<Beta>().entities.empty());
}

TEST_F(EcsTest, AcceptsIsAskedOnlyWhenTheEntityChangesAndRunRereadsTheMemberCount)
{
    world.addSystem(GroupOne(&world, {Tag::_cType}, "one", &log));
    auto& system = world.getSystem<GroupOne>();
    const Ids e = create(3);
    world.addComponent(e[0], Tag(1));
    world.addComponent(e[1], Tag(1));
    world.addComponent(e[2], Tag(3));
    world.refresh();
    world.getComponent<Tag>(e[0]).group = 2;
    world.refresh();
    ASSERT_EQ(system.entities, (Ids{1, 2}));
    world.addComponent(e[0], Position());
    world.refresh();
    EXPECT_EQ(system.entities, (Ids{2}));
    log.clear();
    system.run(0.1f);
    EXPECT_EQ(log, (Log{"one update 2", "one update 99"}));
}

TEST(SystemType, NameDropsNamespacesAndEnclosingScopes)
{
    EXPECT_EQ(Engine::ECS::systemTypeOf<Beta>().name, "Beta");
    EXPECT_EQ(Engine::ECS::unqualifiedTypeName("a::b(int, c::d)::Local"), "Local");
}

using EcsDeathTest = EcsTest;

TEST_F(EcsDeathTest, MisuseAsserts)
{
    const uint32_t entity = world.createEntity();
    world.addComponent(entity, Position());
    world.refresh();
    EXPECT_THROW(world.registerComponent<Position>(), std::runtime_error);
    EXPECT_DEATH(world.addComponent(entity, Position()), "this->hasComponent\\(entityID\\) == false");
    EXPECT_DEATH(world.getComponent<Velocity>(entity), "idLookup\\[entityID\\] != 0");
    EXPECT_DEATH(world.addComponent(7, Position()), "addComponent to an entity that is not alive");
    EXPECT_DEATH(world.getSystem<Beta>(), "systemMap.find\\(pair\\) != systemMap.end\\(\\)");
    create(2046);
    EXPECT_DEATH(world.createEntity(), "all 2047 entity identifiers are in use");
}

} // namespace

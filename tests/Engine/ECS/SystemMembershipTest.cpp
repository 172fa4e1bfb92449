#include "Engine/ECS/EntityManager.h"
#include "tests/Engine/ECS/RecordingSystem.h"
#include "tests/Engine/ECS/TestComponents.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Engine::ECS::EntityManager;
using EcsTest::EventLog;
using EcsTest::Position;
using EcsTest::RecordingSystem;
using EcsTest::Tag;
using EcsTest::Velocity;
using Ids = std::vector<uint32_t>;

// Named test doubles: the world orders systems by these class names.
class CharacterControllerSystem : public RecordingSystem { using RecordingSystem::RecordingSystem; };
class PhysicsMotionStateSystem : public RecordingSystem { using RecordingSystem::RecordingSystem; };
class RigidBodyColliderSystem : public RecordingSystem { using RecordingSystem::RecordingSystem; };

} // namespace

namespace UI::System {
class UIclickSystem : public EcsTest::RecordingSystem { using RecordingSystem::RecordingSystem; };
class UiBackgroundDrawSystem : public EcsTest::RecordingSystem { using RecordingSystem::RecordingSystem; };
} // namespace UI::System

// A namespace that sorts after "UI", so ordering by qualified name would put
// this system last instead of first.
namespace World {
class CameraDeltaSystem : public EcsTest::RecordingSystem { using RecordingSystem::RecordingSystem; };
} // namespace World

namespace Other {
class CameraDeltaSystem : public EcsTest::RecordingSystem { using RecordingSystem::RecordingSystem; };
} // namespace Other

namespace {

// Joins only entities whose Tag group equals its own.
class GroupSystem : public RecordingSystem {
public:
    GroupSystem(EntityManager* world, int group, EventLog* log)
        : RecordingSystem(world, {Tag::_cType}, "group", log), group(group)
    {
    }
    bool accepts(uint32_t entity) override { return world->getComponent<Tag>(entity).group == group; }

private:
    int group;
};

// Reads the leaving entity's Position in its removal hook.
class PositionReaderSystem : public RecordingSystem {
public:
    PositionReaderSystem(EntityManager* world, EventLog* log)
        : RecordingSystem(world, {Position::_cType}, "reader", log)
    {
    }
    void onEntityRemoved(uint32_t entity) override
    {
        RecordingSystem::onEntityRemoved(entity);
        seenOnRemoval.push_back(world->getComponent<Position>(entity).x);
    }
    std::vector<float> seenOnRemoval;
};

// Records begin and end around its updates and, as if an update had
// changed the membership, appends a member while visiting growFrom.
class BracketSystem : public RecordingSystem {
public:
    BracketSystem(EntityManager* world, EventLog* log) : RecordingSystem(world, {Position::_cType}, "run", log) {}
    void begin() override { log->push_back("begin"); }
    void update(uint32_t entity, float dt) override
    {
        RecordingSystem::update(entity, dt);
        if (entity == growFrom) entities.push_back(entity + 100);
    }
    void end(float dt) override { log->push_back("end " + std::to_string(dt)); }
    uint32_t growFrom = 0;
};

class SystemMembershipTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        world.registerComponent<Position>();
        world.registerComponent<Velocity>();
        world.registerComponent<Tag>();
    }

    uint32_t entityWithPosition(float x = 0.0f)
    {
        const uint32_t entity = world.createEntity();
        world.addComponent(entity, Position(x));
        return entity;
    }

    EntityManager world;
    EventLog log;
};

TEST_F(SystemMembershipTest, EntityJoinsOnceAtTheRefreshAfterItCarriesEveryRequiredType)
{
    world.addSystem(RecordingSystem(&world, {Position::_cType, Velocity::_cType}, "both", &log));
    auto& system = world.getSystem<RecordingSystem>();
    const uint32_t entity = entityWithPosition();
    world.refresh();
    world.addComponent(entity, Velocity());
    EXPECT_TRUE(system.entities.empty());
    world.refresh();
    EXPECT_EQ(system.entities, Ids{entity});

    world.addComponent(entity, Tag());
    world.refresh();
    EXPECT_EQ(log, (EventLog{"both added 1"}));
}

TEST_F(SystemMembershipTest, DestroyedMemberLeavesOnceAtTheRefreshAndItsIdentifierJoinsAgainWhenReused)
{
    world.addSystem(PositionReaderSystem(&world, &log));
    auto& system = world.getSystem<PositionReaderSystem>();
    const uint32_t entity = entityWithPosition(6.5f);
    world.refresh();
    world.addComponent(entity, Velocity());
    world.destroyEntity(entity);
    EXPECT_EQ(system.entities, Ids{entity});
    world.refresh();
    EXPECT_TRUE(system.entities.empty());
    EXPECT_EQ(system.seenOnRemoval, std::vector<float>{6.5f});

    ASSERT_EQ(entityWithPosition(), entity);
    world.refresh();
    EXPECT_EQ(system.entities, Ids{entity});
    EXPECT_EQ(log, (EventLog{"reader added 1", "reader removed 1", "reader added 1"}));
}

TEST_F(SystemMembershipTest, AcceptsIsAskedAgainOnlyWhenTheEntityChanges)
{
    world.addSystem(GroupSystem(&world, 1, &log));
    auto& system = world.getSystem<GroupSystem>();
    const uint32_t member = world.createEntity();
    world.addComponent(member, Tag(1));
    world.addComponent(world.createEntity(), Tag(3));
    world.refresh();
    ASSERT_EQ(system.entities, Ids{member});

    world.getComponent<Tag>(member).group = 2;
    world.refresh();
    EXPECT_EQ(system.entities, Ids{member});

    world.addComponent(member, Position());
    world.refresh();
    EXPECT_TRUE(system.entities.empty());
    EXPECT_EQ(log, (EventLog{"group added 1", "group removed 1"}));
}

TEST_F(SystemMembershipTest, SystemAddedLaterSeesExistingEntitiesOnlyOnceTheyChange)
{
    const uint32_t entity = entityWithPosition();
    world.refresh();
    world.addSystem(RecordingSystem(&world, {Position::_cType}, "late", &log));
    auto& system = world.getSystem<RecordingSystem>();
    world.refresh();
    EXPECT_TRUE(system.entities.empty());

    world.addComponent(entity, Velocity());
    world.refresh();
    EXPECT_EQ(system.entities, Ids{entity});
}

TEST_F(SystemMembershipTest, RequiredTypeWithoutListMatchesNothing)
{
    EntityManager bare;
    bare.registerComponent<Position>();
    bare.addSystem(RecordingSystem(&bare, {Position::_cType, Velocity::_cType}, "bare", &log));
    bare.addComponent(bare.createEntity(), Position());
    bare.refresh();
    EXPECT_TRUE(bare.getSystem<RecordingSystem>().entities.empty());
}

TEST_F(SystemMembershipTest, HooksRunInClassNameOrderNotRegistrationOrder)
{
    const Ids position{Position::_cType};
    world.addSystem(UI::System::UiBackgroundDrawSystem(&world, position, "UiBackgroundDraw", &log));
    world.addSystem(RigidBodyColliderSystem(&world, position, "RigidBodyCollider", &log));
    world.addSystem(UI::System::UIclickSystem(&world, position, "UIclick", &log));
    world.addSystem(CharacterControllerSystem(&world, position, "CharacterController", &log));
    world.addSystem(PhysicsMotionStateSystem(&world, position, "PhysicsMotionState", &log));
    world.addSystem(World::CameraDeltaSystem(&world, position, "CameraDelta", &log));
    const uint32_t entity = entityWithPosition();
    world.refresh();
    world.destroyEntity(entity);
    world.refresh();

    const EventLog expected{"CameraDelta added 1",           "CharacterController added 1",
                            "PhysicsMotionState added 1",    "RigidBodyCollider added 1",
                            "UIclick added 1",               "UiBackgroundDraw added 1",
                            "CameraDelta removed 1",         "CharacterController removed 1",
                            "PhysicsMotionState removed 1",  "RigidBodyCollider removed 1",
                            "UIclick removed 1",             "UiBackgroundDraw removed 1"};
    EXPECT_EQ(log, expected);
}

TEST_F(SystemMembershipTest, SystemsAreCopiedKeyedByQualifiedClassAndNumberedInRegistrationOrder)
{
    const Ids position{Position::_cType};
    EXPECT_EQ(world.addSystem(World::CameraDeltaSystem(&world, position, "mine", &log)), 0u);
    EXPECT_EQ(world.addSystem(Other::CameraDeltaSystem(&world, position, "other", &log)), 0u);
    EXPECT_EQ(world.getSystem<World::CameraDeltaSystem>().label, "mine");
    EXPECT_EQ(world.getSystem<Other::CameraDeltaSystem>().label, "other");

    // The world keeps its own copy and points it at itself.
    RecordingSystem first(nullptr, position, "first", &log);
    EXPECT_EQ(world.addSystem(first), 0u);
    EXPECT_EQ(world.addSystem(RecordingSystem(&world, position, "second", &log)), 1u);
    EXPECT_EQ(world.addSystem(RecordingSystem(&world, position, "third", &log)), 2u);
    EXPECT_EQ(world.getSystem<RecordingSystem>(1).label, "second");

    entityWithPosition();
    world.refresh();
    EXPECT_EQ(log, (EventLog{"other added 1", "mine added 1", "first added 1", "second added 1", "third added 1"}));
    EXPECT_EQ(world.getSystem<RecordingSystem>().world, &world);
    EXPECT_TRUE(first.entities.empty());
}

TEST_F(SystemMembershipTest, RunVisitsInJoiningOrderAndRereadsTheMemberCount)
{
    world.addSystem(BracketSystem(&world, &log));
    auto& system = world.getSystem<BracketSystem>();
    const uint32_t a = entityWithPosition();
    const uint32_t b = entityWithPosition();
    world.refresh();
    const uint32_t c = entityWithPosition();
    const uint32_t d = entityWithPosition();
    world.refresh();
    world.destroyEntity(b);
    world.refresh();
    ASSERT_EQ(system.entities, (Ids{a, c, d}));

    log.clear();
    system.growFrom = d;
    system.run(0.25f);
    EXPECT_EQ(log, (EventLog{"begin", "run update 1", "run update 3", "run update 4", "run update 104",
                             "end 0.250000"}));
}

using SystemMembershipDeathTest = SystemMembershipTest;

TEST_F(SystemMembershipDeathTest, UnregisteredSystemsAndRequiredTypesOutsideTheSlotsAssert)
{
    world.addSystem(World::CameraDeltaSystem(&world, {Position::_cType}, "camera", &log));
    EXPECT_DEATH(world.getSystem<Other::CameraDeltaSystem>(), "systemMap.find\\(pair\\) != systemMap.end\\(\\)");
    EXPECT_DEATH(world.getSystem<World::CameraDeltaSystem>(1), "systemMap.find\\(pair\\) != systemMap.end\\(\\)");
    entityWithPosition();
    for (uint32_t type : {0u, 64u}) {
        EXPECT_DEATH(
            {
                world.addSystem(RecordingSystem(&world, {Position::_cType, type}, "bad", &log));
                world.refresh();
            },
            "componentID > 0 && componentID < componentContainerSize");
    }
}

} // namespace

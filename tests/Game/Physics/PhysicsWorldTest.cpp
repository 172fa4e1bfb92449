#include "Game/Physics/PhysicsUserPointer.h"
#include "Game/Physics/PhysicsWorld.h"
#include "Game/Physics/PhysicsWorldFilterCallback.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

using GamePhysics::CollisionGroup::all;

// A collision object with its record, ready to be handed to the filter
// through a broadphase proxy.
struct FilterObject {
    FilterObject(uint32_t group, uint32_t mask, bool isStatic)
    {
        record.group = group;
        record.mask = mask;
        object.setUserPointer(&record);
        object.setCollisionFlags(isStatic ? btCollisionObject::CF_STATIC_OBJECT : 0);
        proxy.m_clientObject = &object;
    }

    PhysicsUserPointer record;
    btCollisionObject object;
    btBroadphaseProxy proxy;
};

bool pairs(FilterObject& a, FilterObject& b)
{
    GamePhysics::PhysicsWorldFilterCallback filter;
    return filter.needBroadphaseCollision(&a.proxy, &b.proxy);
}

TEST(PhysicsWorldFilterTest, TwoStaticObjectsNeverPair)
{
    FilterObject a(all, all, true);
    FilterObject b(all, all, true);
    EXPECT_FALSE(pairs(a, b));
}

TEST(PhysicsWorldFilterTest, StaticAndDynamicWithAllBitsPair)
{
    FilterObject a(all, all, true);
    FilterObject b(all, all, false);
    EXPECT_TRUE(pairs(a, b));
    EXPECT_TRUE(pairs(b, a));
}

TEST(PhysicsWorldFilterTest, EachGroupMustMeetTheOtherMask)
{
    FilterObject block(GamePhysics::CollisionGroup::block, all, false);
    FilterObject seeksBlocks(all, GamePhysics::CollisionGroup::block, false);
    FilterObject seeksFloor(all, GamePhysics::CollisionGroup::floor, false);
    EXPECT_TRUE(pairs(block, seeksBlocks));
    EXPECT_TRUE(pairs(seeksBlocks, block));
    EXPECT_FALSE(pairs(block, seeksFloor));
    EXPECT_FALSE(pairs(seeksFloor, block));
}

TEST(PhysicsWorldFilterTest, MaskZeroOrGroupZeroPairsWithNothing)
{
    FilterObject other(all, all, false);
    FilterObject noMask(all, 0, false);
    FilterObject noGroup(0, all, false);
    EXPECT_FALSE(pairs(noMask, other));
    EXPECT_FALSE(pairs(other, noMask));
    EXPECT_FALSE(pairs(noGroup, other));
    EXPECT_FALSE(pairs(other, noGroup));
}

TEST(PhysicsWorldFilterTest, ProxyGroupsAndMasksAreNotConsulted)
{
    FilterObject a(all, all, false);
    FilterObject b(all, all, false);
    a.proxy.m_collisionFilterGroup = 0;
    b.proxy.m_collisionFilterMask = 0;
    EXPECT_TRUE(pairs(a, b));
}

TEST(PhysicsWorldFilterDeathTest, AnObjectWithoutRecordStopsTheProgram)
{
    FilterObject a(all, all, false);
    FilterObject b(all, all, false);
    b.object.setUserPointer(nullptr);
    EXPECT_DEATH(pairs(a, b), "c1->getUserPointer\\(\\) != nullptr");
    EXPECT_DEATH(pairs(b, a), "c0->getUserPointer\\(\\) != nullptr");
}

// ---- the world ----

struct SphereBody {
    SphereBody(float mass, const btVector3& at, uint32_t group)
        : shape(0.5f), body(mass, nullptr, &shape, btVector3(0.0f, 0.0f, 0.0f))
    {
        record.group = group;
        body.setUserPointer(&record);
        body.setWorldTransform(btTransform(btQuaternion::getIdentity(), at));
    }

    PhysicsUserPointer record;
    btSphereShape shape;
    btRigidBody body;
};

class PhysicsWorldTest : public ::testing::Test {
protected:
    int pairCount() const
    {
        return physics.getDynamicsWorld()->getPairCache()->getNumOverlappingPairs();
    }

    PhysicsWorld physics;
};

TEST_F(PhysicsWorldTest, GravityPullsDownTheZAxis)
{
    EXPECT_EQ(physics.getDynamicsWorld()->getGravity(), btVector3(0.0f, 0.0f, -10.0f));
}

TEST_F(PhysicsWorldTest, AHundredStepsAdvanceTheClockOneSecond)
{
    struct Clock {
        static void tick(btDynamicsWorld* world, btScalar timeStep)
        {
            *static_cast<double*>(world->getWorldUserInfo()) += timeStep;
        }
    };
    double simulated = 0.0;
    physics.getDynamicsWorld()->setInternalTickCallback(&Clock::tick, &simulated);
    SphereBody falling(1.0f, btVector3(0.0f, 0.0f, 100.0f), all);
    physics.getDynamicsWorld()->addRigidBody(&falling.body);

    for (int i = 0; i < 100; ++i) physics.step();

    EXPECT_NEAR(simulated, 1.0, 1e-5);
    // One second of free fall at 10 m/s².
    EXPECT_NEAR(falling.body.getLinearVelocity().z(), -10.0f, 1e-3f);
    physics.getDynamicsWorld()->removeRigidBody(&falling.body);
}

TEST_F(PhysicsWorldTest, OverlappingStaticBodiesFormNoPair)
{
    SphereBody a(0.0f, btVector3(0.0f, 0.0f, 0.0f), all);
    SphereBody b(0.0f, btVector3(0.2f, 0.0f, 0.0f), all);
    physics.getDynamicsWorld()->addRigidBody(&a.body);
    physics.getDynamicsWorld()->addRigidBody(&b.body);
    physics.step();
    EXPECT_EQ(pairCount(), 0);
    physics.getDynamicsWorld()->removeRigidBody(&a.body);
    physics.getDynamicsWorld()->removeRigidBody(&b.body);
}

TEST_F(PhysicsWorldTest, OverlappingStaticAndDynamicBodiesPairByTheirRecords)
{
    SphereBody ground(0.0f, btVector3(0.0f, 0.0f, 0.0f), all);
    SphereBody ball(1.0f, btVector3(0.2f, 0.0f, 0.0f), all);
    SphereBody ghostly(1.0f, btVector3(-0.2f, 0.0f, 0.0f), 0);
    for (SphereBody* s : {&ground, &ball, &ghostly}) physics.getDynamicsWorld()->addRigidBody(&s->body);
    physics.step();
    // Only ground with ball: the group-0 body meets nothing.
    EXPECT_EQ(pairCount(), 1);
    for (SphereBody* s : {&ground, &ball, &ghostly}) physics.getDynamicsWorld()->removeRigidBody(&s->body);
}

} // namespace

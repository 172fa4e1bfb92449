#include "Game/Physics/PhysicsUserPointer.h"
#include "Game/Physics/PhysicsWorld.h"
#include "Game/Physics/PhysicsWorldFilterCallback.h"

#include <gtest/gtest.h>

namespace {

using GamePhysics::CollisionGroup::all;
using GamePhysics::CollisionGroup::block;
using GamePhysics::CollisionGroup::floor;

// A collision object with its record, handed to the filter through a proxy.
// The proxy's own group and mask are zeroed: the filter must read the records.
struct FilterObject {
    FilterObject(uint32_t group, uint32_t mask, bool isStatic)
    {
        record.group = group;
        record.mask = mask;
        object.setUserPointer(&record);
        object.setCollisionFlags(isStatic ? btCollisionObject::CF_STATIC_OBJECT : 0);
        proxy.m_clientObject = &object;
        proxy.m_collisionFilterGroup = 0;
        proxy.m_collisionFilterMask = 0;
    }

    PhysicsUserPointer record;
    btCollisionObject object;
    btBroadphaseProxy proxy;
};

bool pairs(FilterObject& a, FilterObject& b)
{
    return GamePhysics::PhysicsWorldFilterCallback().needBroadphaseCollision(&a.proxy, &b.proxy);
}

TEST(PhysicsWorldFilterTest, PairsNeedAMovingObjectAndEachGroupInTheOtherMask)
{
    const struct {
        uint32_t groupA, maskA;
        bool staticA;
        uint32_t groupB, maskB;
        bool staticB, expected;
    } rows[] = {
        {all, all, true, all, all, true, false},       {all, all, true, all, all, false, true},
        {block, all, false, all, block, false, true},  {block, all, false, all, floor, false, false},
        {all, 0, false, all, all, false, false},       {0, all, false, all, all, false, false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << row.groupA << "/" << row.maskA << " with " << row.groupB << "/" << row.maskB);
        FilterObject a(row.groupA, row.maskA, row.staticA);
        FilterObject b(row.groupB, row.maskB, row.staticB);
        EXPECT_EQ(pairs(a, b), row.expected);
        EXPECT_EQ(pairs(b, a), row.expected);
    }
}

TEST(PhysicsWorldFilterDeathTest, AnObjectWithoutRecordStopsTheProgram)
{
    FilterObject a(all, all, false);
    FilterObject b(all, all, false);
    b.object.setUserPointer(nullptr);
    EXPECT_DEATH(pairs(a, b), "c1->getUserPointer\\(\\) != nullptr");
    EXPECT_DEATH(pairs(b, a), "c0->getUserPointer\\(\\) != nullptr");
}

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

TEST(PhysicsWorldTest, AHundredStepsAdvanceTheClockOneSecondOfFreeFall)
{
    PhysicsWorld physics;
    double simulated = 0.0;
    physics.getDynamicsWorld()->setInternalTickCallback(
        [](btDynamicsWorld* world, btScalar timeStep) { *static_cast<double*>(world->getWorldUserInfo()) += timeStep; },
        &simulated);
    SphereBody falling(1.0f, btVector3(0.0f, 0.0f, 100.0f), all);
    physics.getDynamicsWorld()->addRigidBody(&falling.body);

    for (int i = 0; i < 100; ++i) physics.step();

    EXPECT_NEAR(simulated, 1.0, 1e-5);
    EXPECT_NEAR(falling.body.getLinearVelocity().z(), -10.0f, 1e-3f);
    physics.getDynamicsWorld()->removeRigidBody(&falling.body);
}

TEST(PhysicsWorldTest, OverlappingBodiesPairOnlyWhenOneMovesAndTheRecordsAgree)
{
    PhysicsWorld physics;
    SphereBody ground(0.0f, btVector3(0.0f, 0.0f, 0.0f), all);
    SphereBody wall(0.0f, btVector3(0.0f, 0.2f, 0.0f), all);
    SphereBody ball(1.0f, btVector3(0.2f, 0.0f, 0.0f), all);
    SphereBody ghostly(1.0f, btVector3(-0.2f, 0.0f, 0.0f), 0);
    SphereBody* bodies[] = {&ground, &wall, &ball, &ghostly};
    for (SphereBody* s : bodies) physics.getDynamicsWorld()->addRigidBody(&s->body);

    physics.step();

    // The ball with each static body; the two statics and the group-0 body meet nothing.
    EXPECT_EQ(physics.getDynamicsWorld()->getPairCache()->getNumOverlappingPairs(), 2);
    for (SphereBody* s : bodies) physics.getDynamicsWorld()->removeRigidBody(&s->body);
}

} // namespace

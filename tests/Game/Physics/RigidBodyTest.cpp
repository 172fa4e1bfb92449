#include "Game/Physics/RayCast.h"
#include "tests/Game/Physics/PhysicsTestWorld.h"

#include <gtest/gtest.h>

namespace {

using GamePhysics::CollisionGroup::all;

class RigidBodyTest : public ::testing::Test {
protected:
    btDiscreteDynamicsWorld& dynamics() { return *t.physics.getDynamicsWorld(); }

    bool worldHolds(const btCollisionObject* object)
    {
        const btCollisionObjectArray& objects = dynamics().getCollisionObjectArray();
        return objects.findLinearSearch(const_cast<btCollisionObject*>(object)) < objects.size();
    }

    // The entity a downward ray through (x, y) meets first, 0 for none.
    uint32_t entityBelow(float x, float y)
    {
        return GamePhysics::RayCast::castClosest(t.physics, btVector3(x, y, 50.0f), btVector3(x, y, -50.0f), all, all)
            .hitEntity();
    }

    PhysicsRigidBodyComponent& body(uint32_t entity) { return t.world.getComponent<PhysicsRigidBodyComponent>(entity); }

    PhysicsTestWorld t;
};

TEST_F(RigidBodyTest, ANewBodyCarriesAnEmptyShapeAndItsRecord)
{
    const PhysicsRigidBodyComponent component(7, 0.0f, btVector3(0.0f, 0.0f, 0.0f));
    EXPECT_TRUE(component.hasNoCollider());
    EXPECT_EQ(component.getBody()->getCollisionShape()->getShapeType(), EMPTY_SHAPE_PROXYTYPE);
    EXPECT_EQ(component.getBody()->getUserPointer(), component.getUserPointer());
    EXPECT_EQ(component.getUserPointer()->entity, 7u);
    EXPECT_EQ(component.getUserPointer()->group, all);
    EXPECT_EQ(component.getUserPointer()->mask, all);
    EXPECT_EQ(component.getBody()->getMotionState(), component.getMotionState());
    EXPECT_EQ(component.getWorld(), nullptr);
}

TEST_F(RigidBodyTest, ABlockJoinsTheWorldAtTheRefreshWithItsShape)
{
    const uint32_t block = GamePhysics::createStaticBlock(t.world, glm::vec3(1.0f, 2.0f, 3.0f), glm::vec3(2.0f, 4.0f, 6.0f));
    EXPECT_EQ(dynamics().getNumCollisionObjects(), 0);
    t.world.refresh();

    PhysicsRigidBodyComponent& component = body(block);
    EXPECT_TRUE(worldHolds(component.getBody()));
    EXPECT_FALSE(component.hasNoCollider());
    EXPECT_EQ(component.getShape(), t.world.getComponent<PhysicsColliderComponent>(block).shape);
    EXPECT_EQ(component.getBody()->getCollisionFlags(), btCollisionObject::CF_STATIC_OBJECT);
    EXPECT_EQ(component.getUserPointer()->group, GamePhysics::CollisionGroup::block);
    const auto* box = static_cast<const btBoxShape*>(component.getShape().get());
    EXPECT_EQ(box->getHalfExtentsWithMargin(), btVector3(1.0f, 2.0f, 3.0f));
    // Placed at its transform in the same refresh: 30 degrees about +Y.
    const btTransform& pose = component.getBody()->getWorldTransform();
    EXPECT_EQ(pose.getOrigin(), btVector3(1.0f, 2.0f, 3.0f));
    EXPECT_NEAR(pose.getRotation().getAngle(), 0.5235988f, 1e-5f);
    EXPECT_NEAR(pose.getRotation().getAxis().y(), 1.0f, 1e-5f);
}

TEST_F(RigidBodyTest, TheFloorIsAStaticPlaneInTheFloorGroup)
{
    const uint32_t floor = t.addFloor();
    const PhysicsRigidBodyComponent& component = body(floor);
    EXPECT_TRUE(worldHolds(component.getBody()));
    EXPECT_TRUE(component.getBody()->isStaticObject());
    EXPECT_EQ(component.getShape()->getShapeType(), STATIC_PLANE_PROXYTYPE);
    EXPECT_EQ(component.getUserPointer()->group, GamePhysics::CollisionGroup::floor);
}

TEST_F(RigidBodyTest, DestroyingTheEntityTakesItsBodyOutOfTheWorld)
{
    const uint32_t keep = t.addBox(glm::vec3(5.0f, 0.0f, 0.0f), glm::vec3(1.0f));
    const uint32_t doomed = t.addBox(glm::vec3(0.0f, 0.0f, 0.0f), glm::vec3(1.0f));
    const uint32_t last = t.addBox(glm::vec3(-5.0f, 0.0f, 0.0f), glm::vec3(1.0f));
    ASSERT_EQ(dynamics().getNumCollisionObjects(), 3);
    ASSERT_EQ(entityBelow(0.0f, 0.0f), doomed);

    t.world.destroyEntity(doomed);
    t.step();

    EXPECT_EQ(dynamics().getNumCollisionObjects(), 2);
    EXPECT_EQ(entityBelow(0.0f, 0.0f), 0u);
    // The survivors (one of them moved in its list to fill the gap) are intact.
    EXPECT_EQ(entityBelow(5.0f, 0.0f), keep);
    EXPECT_EQ(entityBelow(-5.0f, 0.0f), last);
    for (int i = 0; i < dynamics().getNumCollisionObjects(); ++i) {
        const auto* record = static_cast<const PhysicsUserPointer*>(dynamics().getCollisionObjectArray()[i]->getUserPointer());
        EXPECT_NE(record->entity, doomed);
    }
}

TEST_F(RigidBodyTest, ADetachedBodyLeavesTheWorldAndKeepsAnEmptyShapeOfItsOwn)
{
    const uint32_t block = t.addBox(glm::vec3(0.0f), glm::vec3(1.0f));
    PhysicsRigidBodyComponent& component = body(block);
    const std::shared_ptr<btCollisionShape> colliderShape = component.getShape();

    component.detach();

    EXPECT_FALSE(worldHolds(component.getBody()));
    EXPECT_TRUE(component.hasNoCollider());
    EXPECT_EQ(component.getShape()->getShapeType(), EMPTY_SHAPE_PROXYTYPE);
    EXPECT_EQ(component.getBody()->getCollisionShape(), component.getShape().get());
    EXPECT_EQ(colliderShape.use_count(), 2) << "only the collider and this test hold the box now";

    component.attach(colliderShape, &dynamics());
    EXPECT_TRUE(worldHolds(component.getBody()));
    EXPECT_EQ(component.getBody()->getCollisionShape(), colliderShape.get());
}

TEST_F(RigidBodyTest, CopiesShareOneBodyThatOutlivesTheOriginal)
{
    auto original = std::make_unique<PhysicsRigidBodyComponent>(3, 0.0f, btVector3(0.0f, 0.0f, 0.0f));
    const PhysicsRigidBodyComponent copy = *original;
    btRigidBody* shared = original->getBody();
    original->attach(std::make_shared<btSphereShape>(1.0f), &dynamics());
    original.reset();

    EXPECT_EQ(copy.getBody(), shared);
    EXPECT_TRUE(worldHolds(shared));
    EXPECT_EQ(copy.getUserPointer()->entity, 3u);
}

TEST_F(RigidBodyTest, TheLastCopyToGoTakesItsBodyOutOfTheWorld)
{
    {
        PhysicsRigidBodyComponent component(3, 0.0f, btVector3(0.0f, 0.0f, 0.0f));
        component.attach(std::make_shared<btSphereShape>(1.0f), &dynamics());
        ASSERT_EQ(dynamics().getNumCollisionObjects(), 1);
    }
    EXPECT_EQ(dynamics().getNumCollisionObjects(), 0);
    t.physics.step();
}

TEST_F(RigidBodyTest, DestroyingTheEntityManagerLeavesAnEmptyWorld)
{
    auto physics = std::make_unique<PhysicsWorld>();
    {
        Engine::ECS::EntityManager world;
        world.registerComponent<TransformComponent>();
        world.registerComponent<PhysicsRigidBodyComponent>();
        world.registerComponent<PhysicsColliderComponent>();
        world.addSystem(RigidBodyColliderSystem(&world, physics.get()));
        world.addSystem(PhysicsMotionStateSystem(&world));
        GamePhysics::createFloor(world);
        GamePhysics::createStaticBlock(world, glm::vec3(0.0f), glm::vec3(1.0f));
        world.refresh();
        ASSERT_EQ(physics->getDynamicsWorld()->getNumCollisionObjects(), 2);
    }
    EXPECT_EQ(physics->getDynamicsWorld()->getNumCollisionObjects(), 0);
    physics->step();
}

TEST_F(RigidBodyTest, ABodyFollowsItsTransformTheStepAfterItMoves)
{
    const uint32_t block = t.addBox(glm::vec3(0.0f), glm::vec3(1.0f));
    const btRigidBody* rigidBody = body(block).getBody();
    t.step();
    ASSERT_EQ(entityBelow(0.0f, 0.0f), block);

    t.world.getComponent<TransformComponent>(block).position = glm::vec3(10.0f, 0.0f, 0.0f);
    t.step();

    EXPECT_EQ(rigidBody->getWorldTransform().getOrigin(), btVector3(10.0f, 0.0f, 0.0f));
    EXPECT_EQ(entityBelow(10.0f, 0.0f), block);
    EXPECT_EQ(entityBelow(0.0f, 0.0f), 0u);
    EXPECT_TRUE(worldHolds(rigidBody)) << "moved without leaving the world";
    EXPECT_EQ(body(block).getBody(), rigidBody);
}

TEST_F(RigidBodyTest, ScalingTheTransformKeepsTheCollisionSize)
{
    const uint32_t block = t.addBox(glm::vec3(0.0f), glm::vec3(2.0f));
    t.world.getComponent<TransformComponent>(block).scale = glm::vec3(10.0f);
    t.steps(2);

    EXPECT_EQ(entityBelow(0.9f, 0.0f), block);
    EXPECT_EQ(entityBelow(1.1f, 0.0f), 0u);
    const auto* box = static_cast<const btBoxShape*>(body(block).getShape().get());
    EXPECT_EQ(box->getHalfExtentsWithMargin(), btVector3(1.0f, 1.0f, 1.0f));
}

TEST_F(RigidBodyTest, TheMotionStateBehavesLikeBulletsDefault)
{
    PhysicsMotionState state;
    btTransform pose(btQuaternion(btVector3(0.0f, 0.0f, 1.0f), 0.5f), btVector3(1.0f, 2.0f, 3.0f));
    state.centerOfMassOffset.setOrigin(btVector3(0.0f, 0.0f, 1.0f));
    state.setWorldTransform(pose);
    btTransform back;
    state.getWorldTransform(back);
    EXPECT_NEAR((back.getOrigin() - pose.getOrigin()).length(), 0.0f, 1e-5f);
    EXPECT_NEAR(state.graphicsWorldTransform.getOrigin().z(), 4.0f, 1e-5f);
}

} // namespace

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

TEST_F(RigidBodyTest, ABlockJoinsTheWorldAtTheRefreshWithItsSizeAndPlace)
{
    const uint32_t block = GamePhysics::createStaticBlock(t.world, glm::vec3(1.0f, 2.0f, 3.0f), glm::vec3(2.0f, 4.0f, 6.0f));
    EXPECT_EQ(dynamics().getNumCollisionObjects(), 0);
    t.world.refresh();

    const PhysicsRigidBodyComponent& component = body(block);
    EXPECT_TRUE(worldHolds(component.getBody()));
    EXPECT_TRUE(component.getBody()->isStaticObject());
    EXPECT_EQ(static_cast<const btBoxShape*>(component.getShape().get())->getHalfExtentsWithMargin(),
              btVector3(1.0f, 2.0f, 3.0f));
    EXPECT_EQ(component.getBody()->getWorldTransform().getOrigin(), btVector3(1.0f, 2.0f, 3.0f));
}

TEST_F(RigidBodyTest, DestroyingTheEntityTakesItsBodyAndShapeOutOfTheWorld)
{
    const uint32_t keep = t.addBox(glm::vec3(5.0f, 0.0f, 0.0f), glm::vec3(1.0f));
    const uint32_t doomed = t.addBox(glm::vec3(0.0f, 0.0f, 0.0f), glm::vec3(1.0f));
    const uint32_t last = t.addBox(glm::vec3(-5.0f, 0.0f, 0.0f), glm::vec3(1.0f));
    ASSERT_EQ(entityBelow(0.0f, 0.0f), doomed);
    const std::weak_ptr<btCollisionShape> doomedShape = body(doomed).getShape();

    t.world.destroyEntity(doomed);
    t.step();

    EXPECT_EQ(dynamics().getNumCollisionObjects(), 2);
    EXPECT_EQ(entityBelow(0.0f, 0.0f), 0u);
    // The survivors (one of them moved in its list to fill the gap) are intact.
    EXPECT_EQ(entityBelow(5.0f, 0.0f), keep);
    EXPECT_EQ(entityBelow(-5.0f, 0.0f), last);
    EXPECT_TRUE(doomedShape.expired()) << "the body let go of its collider shape";
}

TEST_F(RigidBodyTest, DestroyingTheEntityManagerLeavesNoDanglingBodies)
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

TEST_F(RigidBodyTest, ABodyFollowsItsTransformsPositionTheStepAfterItMovesButNotItsScale)
{
    const uint32_t block = t.addBox(glm::vec3(0.0f), glm::vec3(1.0f));
    const btRigidBody* rigidBody = body(block).getBody();
    t.step();

    t.world.getComponent<TransformComponent>(block).position = glm::vec3(10.0f, 0.0f, 0.0f);
    t.step();

    EXPECT_EQ(rigidBody->getWorldTransform().getOrigin(), btVector3(10.0f, 0.0f, 0.0f));
    EXPECT_EQ(entityBelow(10.0f, 0.0f), block);
    EXPECT_EQ(entityBelow(0.0f, 0.0f), 0u);
    EXPECT_EQ(body(block).getBody(), rigidBody) << "moved without being rebuilt";

    // Its scale is not the body's: the collision size stays.
    t.world.getComponent<TransformComponent>(block).scale = glm::vec3(10.0f);
    t.steps(2);
    EXPECT_EQ(entityBelow(10.4f, 0.0f), block);
    EXPECT_EQ(entityBelow(10.6f, 0.0f), 0u);
}

} // namespace

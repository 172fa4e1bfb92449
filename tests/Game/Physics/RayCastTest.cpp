#include "Game/Physics/RayCast.h"
#include "Game/Scene/Camera.h"
#include "tests/Game/Physics/PhysicsTestWorld.h"

#include <glm/gtc/matrix_transform.hpp>
#include <gtest/gtest.h>

#include <cmath>

namespace {

using GamePhysics::CollisionGroup::all;
using GamePhysics::RayCast::castClosest;
using GamePhysics::RayCast::EcsClosestRayResultCallback;

// A floor with two blocks buried below it, 3 m and 8 m down.
class RayCastTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        floor = t.addFloor();
        near = GamePhysics::createStaticBlock(t.world, glm::vec3(0.0f, 0.0f, -3.0f), glm::vec3(2.0f));
        far = GamePhysics::createStaticBlock(t.world, glm::vec3(0.0f, 0.0f, -8.0f), glm::vec3(2.0f));
        t.world.refresh();
        t.step();
    }

    EcsClosestRayResultCallback castDown(uint32_t group, uint32_t mask)
    {
        return castClosest(t.physics, btVector3(0.0f, 0.0f, 10.0f), btVector3(0.0f, 0.0f, -20.0f), group, mask);
    }

    PhysicsTestWorld t;
    uint32_t floor = 0;
    uint32_t near = 0;
    uint32_t far = 0;
};

TEST_F(RayCastTest, TheMaskDecidesWhichGroupsTheRaySeesAndTheRayGroupMustMeetTheirMasks)
{
    const EcsClosestRayResultCallback unfiltered = castDown(all, all);
    EXPECT_EQ(unfiltered.hitEntity(), floor);
    EXPECT_NEAR(unfiltered.m_closestHitFraction, 10.0f / 30.0f, 1e-5f);
    EXPECT_NEAR(unfiltered.hitNormal.z(), 1.0f, 1e-5f);
    EXPECT_FALSE(castDown(all, 0x10).hasHit());
    EXPECT_EQ(castDown(all, 0x10).hitEntity(), 0u);

    // The editor's ray passes through the floor to the first block behind it.
    const EcsClosestRayResultCallback ray = castDown(all, GamePhysics::CollisionGroup::block);
    EXPECT_EQ(ray.hitEntity(), near);
    // The top face of a block turned 30 degrees about +Y, in world space
    // (Bullet's convex ray cast finds box normals to a few thousandths).
    EXPECT_NEAR(ray.hitNormal.distance(btVector3(0.5f, 0.0f, std::sqrt(3.0f) / 2.0f)), 0.0f, 5e-3f);

    // The ray's group must meet the object's mask too.
    t.world.getComponent<PhysicsRigidBodyComponent>(near).getUserPointer()->mask = 2;
    EXPECT_EQ(castDown(1, GamePhysics::CollisionGroup::block).hitEntity(), far);
    EXPECT_EQ(castDown(2, GamePhysics::CollisionGroup::block).hitEntity(), near);
}

TEST(RayCastDeathTest, AHitObjectWithoutRecordStopsTheProgram)
{
    PhysicsWorld physics;
    btSphereShape shape(1.0f);
    btCollisionObject bare;
    bare.setCollisionShape(&shape);
    physics.getDynamicsWorld()->addCollisionObject(&bare);
    EXPECT_DEATH(castClosest(physics, btVector3(0.0f, 0.0f, 5.0f), btVector3(0.0f, 0.0f, -5.0f), all, all),
                 "c0->getUserPointer\\(\\) != nullptr");
    physics.getDynamicsWorld()->removeCollisionObject(&bare);
}

// A 60 degree camera at (1, 2, 3) looking along +X in a 640 x 480 window:
// the ray through a pixel must lead to points that project back onto it.
TEST(ScreenRayTest, TheCentreLooksAlongTheViewAndEveryRayProjectsBackOntoItsPixel)
{
    Camera camera;
    camera.setPerspective(60.0f, 640.0f, 480.0f, 0.1f, 500.0f);
    camera.position = glm::vec3(1.0f, 2.0f, 3.0f);
    camera.center = glm::vec3(4.0f, 2.0f, 3.0f);
    camera.up = glm::vec3(0.0f, 0.0f, 1.0f);
    camera.view = glm::lookAt(camera.position, camera.center, camera.up);

    const glm::vec3 centre = GamePhysics::RayCast::screenRayDirection(320.0f, 240.0f, camera);
    EXPECT_NEAR(glm::distance(centre, glm::vec3(1.0f, 0.0f, 0.0f)), 0.0f, 1e-6f);
    for (const glm::vec2 pixel : {glm::vec2(0.0f, 0.0f), glm::vec2(320.0f, 480.0f), glm::vec2(600.0f, 40.0f)}) {
        const glm::vec3 direction = GamePhysics::RayCast::screenRayDirection(pixel.x, pixel.y, camera);
        EXPECT_NEAR(glm::length(direction), 1.0f, 1e-6f);
        const glm::vec4 clip = camera.projection * camera.view * glm::vec4(camera.position + direction * 50.0f, 1.0f);
        const glm::vec2 seen = (glm::vec2(clip) / clip.w * 0.5f + 0.5f) * glm::vec2(640.0f, 480.0f);
        EXPECT_NEAR(glm::distance(seen, pixel), 0.0f, 0.05f);
    }
}

} // namespace

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

    EcsClosestRayResultCallback castDown(uint32_t mask)
    {
        return castClosest(t.physics, btVector3(0.0f, 0.0f, 10.0f), btVector3(0.0f, 0.0f, -20.0f), all, mask);
    }

    PhysicsTestWorld t;
    uint32_t floor = 0;
    uint32_t near = 0;
    uint32_t far = 0;
};

TEST_F(RayCastTest, AnUnfilteredRayHitsTheFloorFirst)
{
    const EcsClosestRayResultCallback ray = castDown(all);
    ASSERT_TRUE(ray.hasHit());
    EXPECT_EQ(ray.hitEntity(), floor);
    EXPECT_NEAR(ray.m_closestHitFraction, 10.0f / 30.0f, 1e-5f);
    EXPECT_NEAR(ray.hitNormal.z(), 1.0f, 1e-5f);
}

TEST_F(RayCastTest, TheEditorRayPassesThroughTheFloorToTheFirstBlockBehindIt)
{
    const EcsClosestRayResultCallback ray = castDown(GamePhysics::CollisionGroup::block);
    ASSERT_TRUE(ray.hasHit());
    EXPECT_EQ(ray.hitEntity(), near);
    // The top face of a block turned 30 degrees about +Y, in world space
    // (Bullet's convex ray cast finds box normals to a few thousandths).
    EXPECT_NEAR(ray.hitNormal.x(), 0.5f, 5e-3f);
    EXPECT_NEAR(ray.hitNormal.y(), 0.0f, 5e-3f);
    EXPECT_NEAR(ray.hitNormal.z(), std::sqrt(3.0f) / 2.0f, 5e-3f);
}

TEST_F(RayCastTest, ARayMaskMatchingNoGroupHitsNothing)
{
    const EcsClosestRayResultCallback ray = castDown(0x10);
    EXPECT_FALSE(ray.hasHit());
    EXPECT_EQ(ray.hitEntity(), 0u);
}

TEST_F(RayCastTest, TheRayGroupMustMeetTheObjectsMask)
{
    t.world.getComponent<PhysicsRigidBodyComponent>(near).getUserPointer()->mask = 2;
    EXPECT_EQ(castClosest(t.physics, btVector3(0.0f, 0.0f, 10.0f), btVector3(0.0f, 0.0f, -20.0f), 1, 4).hitEntity(), far);
    EXPECT_EQ(castClosest(t.physics, btVector3(0.0f, 0.0f, 10.0f), btVector3(0.0f, 0.0f, -20.0f), 2, 4).hitEntity(), near);
}

TEST_F(RayCastTest, ResetRestoresTheStartingState)
{
    EcsClosestRayResultCallback ray = castDown(all);
    ASSERT_TRUE(ray.hasHit());
    ray.reset();
    EXPECT_FALSE(ray.hasHit());
    EXPECT_EQ(ray.m_closestHitFraction, 1.0f);
    EXPECT_EQ(ray.m_collisionFilterGroup, 1);
    EXPECT_EQ(ray.m_collisionFilterMask, btBroadphaseProxy::AllFilter);
    EXPECT_EQ(ray.m_flags, 0u);
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

// ---- the screen ray ----

class ScreenRayTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        camera.setPerspective(60.0f, 640.0f, 480.0f, 0.1f, 500.0f);
        camera.position = glm::vec3(1.0f, 2.0f, 3.0f);
        camera.center = glm::vec3(4.0f, 2.0f, 3.0f);
        camera.up = glm::vec3(0.0f, 0.0f, 1.0f);
        camera.view = glm::lookAt(camera.position, camera.center, camera.up);
    }

    // Where a world point lands in the window, in pixels from the bottom left.
    glm::vec2 project(const glm::vec3& point) const
    {
        const glm::vec4 clip = camera.projection * camera.view * glm::vec4(point, 1.0f);
        const glm::vec2 ndc = glm::vec2(clip) / clip.w;
        return (ndc * 0.5f + 0.5f) * glm::vec2(camera.width, camera.height);
    }

    Camera camera;
};

TEST_F(ScreenRayTest, TheCentreOfTheScreenLooksAlongTheViewingDirection)
{
    const glm::vec3 direction = GamePhysics::RayCast::screenRayDirection(320.0f, 240.0f, camera);
    EXPECT_NEAR(direction.x, 1.0f, 1e-6f);
    EXPECT_NEAR(direction.y, 0.0f, 1e-6f);
    EXPECT_NEAR(direction.z, 0.0f, 1e-6f);
}

TEST_F(ScreenRayTest, TheTopEdgeIsHalfTheFieldOfViewAbove)
{
    const glm::vec3 direction = GamePhysics::RayCast::screenRayDirection(320.0f, 480.0f, camera);
    EXPECT_NEAR(glm::length(direction), 1.0f, 1e-6f);
    EXPECT_NEAR(std::asin(direction.z), glm::radians(30.0f), 1e-5f);
    EXPECT_NEAR(direction.y, 0.0f, 1e-6f);
}

TEST_F(ScreenRayTest, PointsAlongTheRayProjectBackOntoTheSamePixel)
{
    for (const glm::vec2 pixel : {glm::vec2(0.0f, 0.0f), glm::vec2(600.0f, 40.0f), glm::vec2(100.0f, 470.0f)}) {
        const glm::vec3 direction = GamePhysics::RayCast::screenRayDirection(pixel.x, pixel.y, camera);
        const glm::vec2 seen = project(camera.position + direction * 50.0f);
        EXPECT_NEAR(seen.x, pixel.x, 0.05f);
        EXPECT_NEAR(seen.y, pixel.y, 0.05f);
    }
}

} // namespace

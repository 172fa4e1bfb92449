#include "Game/Scene/RotationAnimationSystem.h"

#include "SceneWorld.h"

#include <gtest/gtest.h>

namespace {

const glm::vec3 xAxis(1.0f, 0.0f, 0.0f);
const glm::vec3 yAxis(0.0f, 1.0f, 0.0f);
const glm::vec3 zAxis(0.0f, 0.0f, 1.0f);

class RotationAnimation : public SceneWorld {
protected:
    RotationAnimation() { world.addSystem(RotationAnimationSystem(&world)); }

    // Runs the animation `steps` times on an entity starting at `rotation`.
    glm::quat animated(const glm::quat& rotation, float angleStep, const glm::vec3& axis, int steps)
    {
        const uint32_t entity = world.createEntity();
        TransformComponent transform;
        transform.rotation = rotation;
        world.addComponent(entity, transform);
        world.addComponent(entity, RotationAnimationComponent(angleStep, axis));
        world.refresh();
        for (int step = 0; step < steps; ++step) world.getSystem<RotationAnimationSystem>().run(0.0f);
        return world.getComponent<TransformComponent>(entity).rotation;
    }
};

TEST_F(RotationAnimation, StepsTurnAboutTheEntitysOwnAxisStayingUnitAndAZeroAxisTurnsNothing)
{
    const glm::quat turned = animated(glm::quat(1.0f, 0.0f, 0.0f, 0.0f), 22.5f, zAxis, 4);
    EXPECT_TRUE(vectorsNear(yAxis, turned * xAxis));
    EXPECT_NEAR(1.0f, glm::length(turned), 1e-6f);

    // Tipped a quarter turn about x, the entity's own z axis points along
    // world -y; turning about it moves the entity's x axis onto its y axis,
    // which now points along world +z.
    const glm::quat tipped = glm::angleAxis(glm::radians(90.0f), xAxis);
    EXPECT_TRUE(vectorsNear(zAxis, animated(tipped, 90.0f, zAxis, 1) * xAxis));

    EXPECT_TRUE(vectorsNear(tipped * yAxis, animated(tipped, 45.0f, glm::vec3(0.0f), 1) * yAxis));
}

TEST(RotationAnimationStep, DegenerateRotationsAndAxesStillGiveUnitRotations)
{
    const glm::quat fromZero = rotationAnimationStep(glm::quat(0.0f, 0.0f, 0.0f, 0.0f), 30.0f, zAxis);
    EXPECT_FLOAT_EQ(1.0f, fromZero.w) << "a rotation of length zero becomes the identity";
    EXPECT_TRUE(vectorsNear(glm::vec3(0.0f), glm::vec3(fromZero.x, fromZero.y, fromZero.z)));

    const glm::quat longAxis = rotationAnimationStep(glm::quat(1.0f, 0.0f, 0.0f, 0.0f), 90.0f, zAxis * 3.0f);
    EXPECT_NEAR(1.0f, glm::length(longAxis), 1e-6f);
    EXPECT_TRUE(vectorsNear(zAxis, longAxis * zAxis));
}

} // namespace

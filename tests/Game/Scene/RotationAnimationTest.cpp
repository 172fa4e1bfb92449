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

    uint32_t animatedEntity(const glm::quat& rotation, float angleStep, const glm::vec3& axis)
    {
        const uint32_t entity = world.createEntity();
        TransformComponent transform;
        transform.rotation = rotation;
        world.addComponent(entity, transform);
        world.addComponent(entity, RotationAnimationComponent(angleStep, axis));
        world.refresh();
        return entity;
    }

    glm::quat rotationOf(uint32_t entity) { return world.getComponent<TransformComponent>(entity).rotation; }
};

TEST_F(RotationAnimation, FourQuarterStepsTurnAQuarterTurn)
{
    const uint32_t entity = animatedEntity(glm::quat(1.0f, 0.0f, 0.0f, 0.0f), 22.5f, zAxis);

    for (int step = 0; step < 4; ++step) system<RotationAnimationSystem>().run(0.0f);

    EXPECT_TRUE(vectorsNear(yAxis, rotationOf(entity) * xAxis));
    EXPECT_NEAR(1.0f, glm::length(rotationOf(entity)), 1e-6f);
}

TEST_F(RotationAnimation, StepTurnsAboutTheEntitysOwnAxis)
{
    // Tipped a quarter turn about x, the entity's own z axis points along
    // world −y; turning about it moves the entity's x axis onto its y axis,
    // which now points along world +z.
    const glm::quat tipped = glm::angleAxis(glm::radians(90.0f), xAxis);
    const uint32_t entity = animatedEntity(tipped, 90.0f, zAxis);

    system<RotationAnimationSystem>().run(0.0f);

    EXPECT_TRUE(vectorsNear(zAxis, rotationOf(entity) * xAxis));
}

TEST_F(RotationAnimation, ZeroAxisLeavesTheRotationUnchanged)
{
    const glm::quat start = glm::angleAxis(0.4f, glm::normalize(glm::vec3(1.0f, 1.0f, 0.0f)));
    const uint32_t entity = animatedEntity(start, 45.0f, glm::vec3(0.0f));

    system<RotationAnimationSystem>().run(0.0f);

    EXPECT_TRUE(vectorsNear(start * yAxis, rotationOf(entity) * yAxis));
    EXPECT_NEAR(1.0f, glm::length(rotationOf(entity)), 1e-6f);
}

TEST(RotationAnimationStep, ARotationOfLengthZeroBecomesTheIdentity)
{
    const glm::quat result = rotationAnimationStep(glm::quat(0.0f, 0.0f, 0.0f, 0.0f), 30.0f, zAxis);

    EXPECT_FLOAT_EQ(1.0f, result.w);
    EXPECT_TRUE(vectorsNear(glm::vec3(0.0f), glm::vec3(result.x, result.y, result.z)));
}

TEST(RotationAnimationStep, ANonUnitAxisStillYieldsAUnitRotation)
{
    const glm::quat result = rotationAnimationStep(glm::quat(1.0f, 0.0f, 0.0f, 0.0f), 90.0f, zAxis * 3.0f);

    EXPECT_NEAR(1.0f, glm::length(result), 1e-6f);
    EXPECT_TRUE(vectorsNear(zAxis, result * zAxis));
}

} // namespace

#include "Game/Scene/TransformInterpolation.h"
#include "Game/Scene/TransformMatrixRefreshSystem.h"

#include "SceneWorld.h"

#include <glm/gtc/matrix_transform.hpp>

#include <gtest/gtest.h>

#include <cmath>

namespace {

const glm::vec3 zAxis(0.0f, 0.0f, 1.0f);

// An entity moving from (1, 2, 3) at scale 2 to (5, 6, 7) at scale 1,
// turning a quarter turn about z.
class TransformMatrixRefresh : public SceneWorld {
protected:
    TransformMatrixRefresh()
    {
        world.addSystem(TransformMatrixRefreshSystem(&world));
        entity = world.createEntity();
        TransformComponent transform;
        transform.previousPosition = glm::vec3(1.0f, 2.0f, 3.0f);
        transform.previousScale = glm::vec3(2.0f);
        transform.position = glm::vec3(5.0f, 6.0f, 7.0f);
        transform.rotation = glm::angleAxis(glm::radians(90.0f), zAxis);
        world.addComponent(entity, transform);
        world.refresh();
    }

    glm::mat4 drawnAt(float alpha)
    {
        world.getSystem<TransformMatrixRefreshSystem>().run(alpha);
        return world.getComponent<TransformComponent>(entity).modelMatrix;
    }

    uint32_t entity = 0;
};

TEST_F(TransformMatrixRefresh, FactorsZeroAndOneDrawThePreviousAndCurrentStateAndPositionAndScaleBlendLinearly)
{
    const glm::mat4 previous = glm::scale(glm::translate(glm::mat4(1.0f), glm::vec3(1.0f, 2.0f, 3.0f)), glm::vec3(2.0f));
    EXPECT_TRUE(matricesNear(previous, drawnAt(0.0f)));
    const glm::mat4 current = glm::translate(glm::mat4(1.0f), glm::vec3(5.0f, 6.0f, 7.0f)) *
                              glm::mat4_cast(glm::angleAxis(glm::radians(90.0f), zAxis));
    EXPECT_TRUE(matricesNear(current, drawnAt(1.0f)));

    const glm::mat4 model = drawnAt(0.25f);
    EXPECT_TRUE(vectorsNear(glm::vec3(2.0f, 3.0f, 4.0f), glm::vec3(model[3])));
    // Both rotations turn about z, so the z column holds the blended scale
    // (2 towards 1, a quarter of the way) untouched by the rotation.
    EXPECT_TRUE(vectorsNear(glm::vec3(0.0f, 0.0f, 1.75f), glm::vec3(model[2])));
}

TEST_F(TransformMatrixRefresh, HalfWayBetweenZeroAndHalfATurnUsesTheUnnormalisedQuaternion)
{
    TransformComponent& transform = world.getComponent<TransformComponent>(entity);
    transform = TransformComponent(glm::vec3(0.0f));
    transform.rotation = glm::angleAxis(glm::radians(180.0f), zAxis);

    const glm::mat4 model = drawnAt(0.5f);

    // The blend of (0,0,0,1) and (0,0,1,0) is (0,0,0.5,0.5): half a right
    // angle's worth of turn but only 0.707 long, so the x axis lands on
    // (0.5, 0.5, 0) instead of a unit vector at 45 degrees.
    EXPECT_NEAR(std::sqrt(0.5f), glm::length(blendRotation(transform.previousRotation, transform.rotation, 0.5f)), 1e-6f);
    EXPECT_TRUE(vectorsNear(glm::vec3(0.5f, 0.5f, 0.0f), glm::vec3(model[0])));
    EXPECT_TRUE(vectorsNear(glm::vec3(-0.5f, 0.5f, 0.0f), glm::vec3(model[1])));
    EXPECT_TRUE(vectorsNear(zAxis, glm::vec3(model[2])));
}

using TransformMatrixRefreshDeathTest = TransformMatrixRefresh;

TEST_F(TransformMatrixRefreshDeathTest, FactorsOutsideZeroToOneAreRejected)
{
    EXPECT_DEATH(drawnAt(1.5f), "a <= static_cast<T>\\(1\\)");
    EXPECT_DEATH(drawnAt(-0.1f), "a >= static_cast<T>\\(0\\)");
}

} // namespace

#include "Game/Rendering/RopeGeometry.h"

#include <glm/gtc/matrix_transform.hpp>
#include <gtest/gtest.h>

#include <cmath>

namespace {

using RopeGeometry::ropeGap;
using RopeGeometry::ropeModelMatrix;

constexpr float tolerance = 1e-4f;

::testing::AssertionResult near(const glm::vec3& expected, const glm::vec3& actual)
{
    if (glm::length(expected - actual) <= tolerance) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "expected (" << expected.x << ", " << expected.y << ", " << expected.z
                                         << ") but got (" << actual.x << ", " << actual.y << ", " << actual.z << ")";
}

glm::vec3 apply(const glm::mat4& m, const glm::vec3& p)
{
    return glm::vec3(m * glm::vec4(p, 1.0f));
}

// The rope mesh spans z = 0 (near the character) to z = 1 (the anchor).
void expectRopeBetween(const glm::vec3& start, const glm::vec3& hook)
{
    const std::optional<glm::mat4> model = ropeModelMatrix(start, hook);
    ASSERT_TRUE(model.has_value());
    const glm::vec3 direction = glm::normalize(hook - start);
    EXPECT_TRUE(near(start + direction * ropeGap, apply(*model, glm::vec3(0.0f))));
    EXPECT_TRUE(near(hook, apply(*model, glm::vec3(0.0f, 0.0f, 1.0f))));
    // Across its length the mesh keeps its radius.
    for (int axis = 0; axis < 2; ++axis) {
        EXPECT_NEAR(glm::length(glm::vec3((*model)[axis])), 1.0f, tolerance);
        EXPECT_NEAR(glm::dot(glm::vec3((*model)[axis]), direction), 0.0f, tolerance);
    }
}

TEST(RopeGeometry, TheRopeRunsFromTheGapInFrontOfTheCharacterToTheHookPointEvenVerticallyKeepingItsRadius)
{
    expectRopeBetween(glm::vec3(1.0f, 2.0f, 3.0f), glm::vec3(4.0f, -2.0f, 9.0f));
    expectRopeBetween(glm::vec3(0.0f, 0.0f, 1.0f), glm::vec3(3.0f, 4.0f, 13.0f));
    expectRopeBetween(glm::vec3(0.0f), glm::vec3(-5.0f, 0.0f, 0.0f));
    expectRopeBetween(glm::vec3(1.0f, 1.0f, 0.0f), glm::vec3(1.0f, 1.0f, 12.0f));
    expectRopeBetween(glm::vec3(1.0f, 1.0f, 12.0f), glm::vec3(1.0f, 1.0f, 0.0f));
    EXPECT_FALSE(ropeModelMatrix(glm::vec3(2.0f, 3.0f, 4.0f), glm::vec3(2.0f, 3.0f, 4.0f)).has_value());
}

TEST(RopeGeometry, TheStartBlendsThePreviousAndCurrentPositions)
{
    const glm::vec3 previous(0.0f, 2.0f, 4.0f);
    const glm::vec3 current(4.0f, 2.0f, 0.0f);
    EXPECT_TRUE(near(previous, RopeGeometry::blendedPosition(previous, current, 0.0f)));
    EXPECT_TRUE(near(current, RopeGeometry::blendedPosition(previous, current, 1.0f)));
    EXPECT_TRUE(near(glm::vec3(1.0f, 2.0f, 3.0f), RopeGeometry::blendedPosition(previous, current, 0.25f)));
}

} // namespace

#include "Game/Physics/CharacterMovement.h"

#include <glm/gtc/constants.hpp>
#include <gtest/gtest.h>

namespace {

using namespace GamePhysics::CharacterMovement;

MoveKeys keys(bool w, bool a, bool s, bool d)
{
    MoveKeys k;
    k.forward = w;
    k.left = a;
    k.back = s;
    k.right = d;
    return k;
}

TEST(CharacterHeadingTest, SingleKeysPointForwardLeftBackAndRight)
{
    EXPECT_FLOAT_EQ(headingOffset(keys(true, false, false, false)), 360.0f);
    EXPECT_FLOAT_EQ(headingOffset(keys(false, true, false, false)), 90.0f);
    EXPECT_FLOAT_EQ(headingOffset(keys(false, false, true, false)), 180.0f);
    EXPECT_FLOAT_EQ(headingOffset(keys(false, false, false, true)), 270.0f);
}

TEST(CharacterHeadingTest, TwoNeighbouringKeysPointBetweenThem)
{
    EXPECT_FLOAT_EQ(headingOffset(keys(true, true, false, false)), 45.0f);
    EXPECT_FLOAT_EQ(headingOffset(keys(true, false, false, true)), 315.0f);
    EXPECT_FLOAT_EQ(headingOffset(keys(false, false, true, true)), 225.0f);
    EXPECT_FLOAT_EQ(headingOffset(keys(false, true, true, false)), 135.0f);
}

TEST(CharacterHeadingTest, OpposingKeysWalkForwardOrRight)
{
    EXPECT_FLOAT_EQ(headingOffset(keys(true, false, true, false)), 0.0f);
    EXPECT_FLOAT_EQ(headingOffset(keys(false, true, false, true)), -90.0f);
    EXPECT_FLOAT_EQ(headingOffset(keys(true, true, true, true)), -90.0f);
}

TEST(CharacterFrictionTest, TakesFrictionOffWithoutReversing)
{
    const glm::vec2 slowed = applyFriction(glm::vec2(3.0f, 4.0f), 0.5f);
    EXPECT_NEAR(glm::length(slowed), 4.5f, 1e-5f);
    EXPECT_NEAR(slowed.x / slowed.y, 0.75f, 1e-5f);
    EXPECT_EQ(applyFriction(glm::vec2(0.3f, 0.0f), 0.5f), glm::vec2(0.0f));
    EXPECT_EQ(applyFriction(glm::vec2(0.5f, 0.0f), 0.5f), glm::vec2(0.0f));
}

TEST(CharacterAccelerationTest, GainsTheNetAccelerationAfterFriction)
{
    // Friction first, then the push of acceleration + friction: net +0.6.
    glm::vec2 v(2.0f, 0.0f);
    v = applyFriction(v, 0.5f);
    v = accelerate(v, 0.0f, 0.6f, 0.5f, 8.0f);
    EXPECT_NEAR(v.x, 2.6f, 1e-5f);
    EXPECT_NEAR(v.y, 0.0f, 1e-5f);
}

TEST(CharacterAccelerationTest, StopsAtTheMaximumSpeed)
{
    const glm::vec2 v = accelerate(glm::vec2(7.8f, 0.0f), 0.0f, 0.6f, 0.5f, 8.0f);
    EXPECT_NEAR(glm::length(v), 8.0f, 1e-5f);
}

TEST(CharacterAccelerationTest, TurnsButNeverCutsAFasterSpeed)
{
    const glm::vec2 swing(12.0f, 0.0f);
    const glm::vec2 v = accelerate(swing, glm::half_pi<float>(), 0.6f, 0.5f, 8.0f);
    EXPECT_NEAR(glm::length(v), 12.0f, 1e-4f);
    EXPECT_GT(v.y, 0.0f);
}

TEST(CharacterAccelerationTest, PushingAgainstTheMotionSlowsIt)
{
    const glm::vec2 v = accelerate(glm::vec2(12.0f, 0.0f), glm::pi<float>(), 0.6f, 0.5f, 8.0f);
    EXPECT_NEAR(v.x, 12.0f - 1.1f, 1e-4f);
}

TEST(CharacterAccelerationTest, APushThatCancelsTheVelocityStops)
{
    const glm::vec2 v = accelerate(glm::vec2(-1.1f, 0.0f), 0.0f, 0.6f, 0.5f, 8.0f);
    EXPECT_FALSE(glm::any(glm::isnan(v)));
    EXPECT_NEAR(glm::length(v), 0.0f, 1e-5f);
}

} // namespace

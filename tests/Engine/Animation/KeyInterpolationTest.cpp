#include "Engine/Animation/KeyInterpolation.h"

#include <cmath>

#include <gtest/gtest.h>
#include <glm/gtc/quaternion.hpp>

using namespace Engine::GFX::KeyInterpolation;

namespace {

void expectQuatEq(const glm::quat& expected, const glm::quat& actual)
{
    EXPECT_FLOAT_EQ(expected.w, actual.w);
    EXPECT_FLOAT_EQ(expected.x, actual.x);
    EXPECT_FLOAT_EQ(expected.y, actual.y);
    EXPECT_FLOAT_EQ(expected.z, actual.z);
}

const glm::vec3 zAxis(0.0f, 0.0f, 1.0f);

} // namespace

TEST(KeySearch, FindsThePairAroundTheTime)
{
    const std::vector<float> times{0.0f, 2.0f, 5.0f, 9.0f};
    EXPECT_EQ(0u, findKeyIndex(times, 0.0f));
    EXPECT_EQ(0u, findKeyIndex(times, 1.9f));
    EXPECT_EQ(1u, findKeyIndex(times, 2.0f)); // a key time starts the next pair
    EXPECT_EQ(2u, findKeyIndex(times, 8.0f));
}

TEST(KeySearch, TimesOutsideTheKeysUseTheOuterPairs)
{
    const std::vector<float> times{1.0f, 2.0f, 5.0f};
    EXPECT_EQ(0u, findKeyIndex(times, -3.0f));
    EXPECT_EQ(1u, findKeyIndex(times, 5.0f));
    EXPECT_EQ(1u, findKeyIndex(times, 40.0f));
}

TEST(KeyFactor, IsNotClampedOutsideThePair)
{
    const std::vector<float> times{0.0f, 10.0f};
    EXPECT_FLOAT_EQ(0.25f, interpolationFactor(times, 0, 2.5f));
    EXPECT_FLOAT_EQ(1.5f, interpolationFactor(times, 0, 15.0f));
    EXPECT_FLOAT_EQ(-0.5f, interpolationFactor(times, 0, -5.0f));
}

TEST(KeyFactor, TwoKeysAtOneTimeGiveTheLaterKey)
{
    const std::vector<float> times{0.0f, 4.0f, 4.0f};
    const float factor = interpolationFactor(times, findKeyIndex(times, 6.0f), 6.0f);
    EXPECT_FALSE(std::isnan(factor));
    EXPECT_EQ(1.0f, factor);
}

TEST(KeyValues, VectorsExtrapolateLinearly)
{
    const glm::vec3 from(1.0f, 2.0f, 3.0f);
    const glm::vec3 to(3.0f, 2.0f, -1.0f);
    const glm::vec3 beyond = interpolate(from, to, 1.5f);
    EXPECT_FLOAT_EQ(4.0f, beyond.x);
    EXPECT_FLOAT_EQ(2.0f, beyond.y);
    EXPECT_FLOAT_EQ(-3.0f, beyond.z);
}

TEST(KeySlerp, NegativeDotTakesTheShorterArc)
{
    const glm::quat from = glm::angleAxis(glm::radians(10.0f), zAxis);
    // The same orientation as 350 degrees, stored with the opposite sign.
    const glm::quat to = -glm::angleAxis(glm::radians(-20.0f), zAxis);
    ASSERT_LT(glm::dot(from, to), 0.0f);

    const glm::quat half = slerpShorterArc(from, to, 0.5f);
    const glm::vec3 turned = half * glm::vec3(1.0f, 0.0f, 0.0f);
    EXPECT_NEAR(glm::radians(-5.0f), std::atan2(turned.y, turned.x), 1e-5);
    for (float factor : {0.0f, 0.3f, 0.5f, 1.0f, 1.4f}) {
        expectQuatEq(glm::slerp(from, to, factor), slerpShorterArc(from, to, factor));
    }
}

TEST(KeySlerp, NearlyEqualRotationsBlendLinearlyLikeGlm)
{
    const glm::quat from = glm::angleAxis(0.0f, zAxis);
    const glm::quat to = glm::angleAxis(1e-4f, zAxis);
    ASSERT_GT(glm::dot(from, to), 1.0f - FLT_EPSILON);
    for (float factor : {0.0f, 0.5f, 2.0f}) {
        expectQuatEq(glm::slerp(from, to, factor), slerpShorterArc(from, to, factor));
    }
}

TEST(KeySlerp, MatchesGlmForGeneralRotations)
{
    const glm::quat from = glm::normalize(glm::quat(0.9f, 0.1f, -0.3f, 0.2f));
    const glm::quat to = glm::normalize(glm::quat(0.2f, 0.7f, 0.4f, -0.5f));
    for (float factor : {-0.25f, 0.1f, 0.75f, 1.25f}) {
        expectQuatEq(glm::slerp(from, to, factor), slerpShorterArc(from, to, factor));
    }
}

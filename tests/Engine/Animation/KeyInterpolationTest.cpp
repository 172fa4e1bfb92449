#include "Engine/Animation/KeyInterpolation.h"

#include <cfloat>
#include <cmath>

#include <gtest/gtest.h>
#include <glm/gtc/quaternion.hpp>

using namespace Engine::GFX::KeyInterpolation;

namespace {

const glm::vec3 zAxis(0.0f, 0.0f, 1.0f);

} // namespace

TEST(KeySearch, FindsThePairAroundTheTimeAndTheOuterPairsOutside)
{
    const std::vector<float> times{1.0f, 2.0f, 5.0f, 9.0f};
    const std::pair<float, std::size_t> rows[] = {
        {-3.0f, 0}, {1.0f, 0}, {1.9f, 0}, {2.0f, 1} /* a key time starts the next pair */, {8.0f, 2}, {9.0f, 2},
        {40.0f, 2},
    };
    for (const auto& [time, expected] : rows) EXPECT_EQ(expected, findKeyIndex(times, time)) << "at " << time;
}

TEST(KeyFactor, IsNotClampedOutsideThePairAndTwoKeysAtOneTimeGiveTheLaterKey)
{
    const std::vector<float> times{0.0f, 10.0f};
    EXPECT_FLOAT_EQ(0.25f, interpolationFactor(times, 0, 2.5f));
    EXPECT_FLOAT_EQ(1.5f, interpolationFactor(times, 0, 15.0f));
    EXPECT_FLOAT_EQ(-0.5f, interpolationFactor(times, 0, -5.0f));

    const std::vector<float> repeated{0.0f, 4.0f, 4.0f};
    EXPECT_EQ(1.0f, interpolationFactor(repeated, findKeyIndex(repeated, 6.0f), 6.0f)) << "not NaN";
}

// A pair stored with opposite signs (negative dot) takes the shorter arc;
// otherwise the blend is glm's: general rotations, nearly equal ones (blended
// linearly), factors outside [0, 1].
TEST(KeySlerp, TakesTheShorterArcAndOtherwiseMatchesGlm)
{
    const glm::quat general = glm::normalize(glm::quat(0.9f, 0.1f, -0.3f, 0.2f));
    const std::pair<glm::quat, glm::quat> pairs[] = {
        {glm::angleAxis(glm::radians(10.0f), zAxis), -glm::angleAxis(glm::radians(-20.0f), zAxis)},
        {glm::angleAxis(0.0f, zAxis), glm::angleAxis(1e-4f, zAxis)},
        {general, glm::normalize(glm::quat(0.2f, 0.7f, 0.4f, -0.5f))},
    };
    const glm::vec3 halfway = slerpShorterArc(pairs[0].first, pairs[0].second, 0.5f) * glm::vec3(1, 0, 0);
    EXPECT_NEAR(glm::radians(-5.0f), std::atan2(halfway.y, halfway.x), 1e-5);
    for (const auto& [from, to] : pairs) {
        for (float factor : {-0.25f, 0.0f, 0.3f, 1.0f, 1.4f}) {
            const glm::quat expected = glm::slerp(from, to, factor);
            const glm::quat actual = slerpShorterArc(from, to, factor);
            for (int i = 0; i < 4; ++i) EXPECT_FLOAT_EQ(expected[i], actual[i]) << "factor " << factor;
        }
    }
}

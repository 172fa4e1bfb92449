#include "Game/Physics/CharacterMovement.h"

#include <glm/gtc/constants.hpp>
#include <gtest/gtest.h>

namespace {

using namespace GamePhysics::CharacterMovement;

TEST(CharacterHeadingTest, HeldKeysPointBetweenThemAndOpposingKeysWalkForwardOrRight)
{
    const struct {
        const char* keys;  // W A S D
        float expected;
    } rows[] = {
        {"W...", 360.0f}, {".A..", 90.0f},  {"..S.", 180.0f}, {"...D", 270.0f}, {"WA..", 45.0f},  {"W..D", 315.0f},
        {"..SD", 225.0f}, {".AS.", 135.0f}, {"W.S.", 0.0f},   {".A.D", -90.0f}, {"WASD", -90.0f},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.keys);
        MoveKeys keys;
        keys.forward = row.keys[0] != '.';
        keys.left = row.keys[1] != '.';
        keys.back = row.keys[2] != '.';
        keys.right = row.keys[3] != '.';
        EXPECT_FLOAT_EQ(headingOffset(keys), row.expected);
    }
}

// Acceleration 0.6 and friction 0.5 per step, at most 8 m/s from the keys.
TEST(CharacterAccelerationTest, PushesByAccelerationPlusFrictionUpToTheMaximumSpeedAndTurnsFasterSpeeds)
{
    const struct {
        glm::vec2 velocity;
        float heading;
        glm::vec2 expected;
    } rows[] = {
        {{1.5f, 0.0f}, 0.0f, {2.6f, 0.0f}},
        {{7.8f, 0.0f}, 0.0f, {8.0f, 0.0f}},
        {{12.0f, 0.0f}, glm::pi<float>(), {10.9f, 0.0f}},
        {{-1.1f, 0.0f}, 0.0f, {0.0f, 0.0f}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << row.velocity.x << " heading " << row.heading);
        const glm::vec2 v = accelerate(row.velocity, row.heading, 0.6f, 0.5f, 8.0f);
        EXPECT_NEAR(glm::distance(v, row.expected), 0.0f, 1e-4f);
    }
    const glm::vec2 turned = accelerate(glm::vec2(12.0f, 0.0f), glm::half_pi<float>(), 0.6f, 0.5f, 8.0f);
    EXPECT_NEAR(glm::length(turned), 12.0f, 1e-4f) << "a faster speed is turned, never cut";
    EXPECT_GT(turned.y, 0.0f);
}

} // namespace

#include "tests/Game/Physics/PhysicsTestWorld.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

// The capsule may rest this deep in a surface (the controller's allowed
// penetration) plus float noise.
constexpr float restTolerance = CharacterControllerComponent::allowedPenetration + 1e-3f;
constexpr float radius = CharacterControllerComponent::capsuleRadius;

class CharacterControllerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        t.addFloor();
        player = t.addPlayer();
    }

    // Lets the player drop from (x, y) just above the floor and come to rest.
    void standAt(float x, float y)
    {
        t.place(player, glm::vec3(x, y, capsuleHalfHeight));
        t.steps(20);
    }

    float bottom() { return t.position(player).z - capsuleHalfHeight; }
    float vertical() { return t.controller(player).getVerticalVelocity(); }

    PhysicsTestWorld t;
    uint32_t player = 0;
};

TEST_F(CharacterControllerTest, FallsFromTheSpawnPointAndRestsOnTheFloor)
{
    EXPECT_FLOAT_EQ(t.controller(player).getPosition().z(), 10.0f);
    int stepsFalling = 0;
    for (float previousZ = 10.0f; !t.controller(player).onGround() && stepsFalling < 300; ++stepsFalling) {
        t.step();
        EXPECT_LE(t.position(player).z, previousZ);
        previousZ = t.position(player).z;
    }
    // Free fall under 15 m/s² covers the 9.5 m in about 1.1 s.
    EXPECT_GT(stepsFalling, 100);
    EXPECT_LT(stepsFalling, 125);

    t.steps(100);
    EXPECT_NEAR(bottom(), 0.0f, restTolerance);
    EXPECT_FLOAT_EQ(vertical(), 0.0f);
    EXPECT_EQ(glm::vec2(t.position(player)), glm::vec2(0.0f));
    const btVector3 ghost = t.controller(player).getPosition();
    EXPECT_EQ(t.position(player), glm::vec3(ghost.x(), ghost.y(), ghost.z()));
    EXPECT_FLOAT_EQ(t.camera(player).offset.z, 0.3f) << "the eyes sit near the top of the capsule";
}

TEST_F(CharacterControllerTest, WalksUpToEightMetresPerSecondAndStopsFromThreeWithinSixSteps)
{
    t.steps(150); // down from the spawn point, at rest
    t.hold(SDL_SCANCODE_W);
    float speed = 0.0f;
    for (int i = 0; i < 30; ++i) {
        t.step();
        EXPECT_LE(t.horizontalSpeed(player), CharacterControllerSystem::maxWalkSpeed + 1e-4f);
        EXPECT_GE(t.horizontalSpeed(player), speed);
        speed = t.horizontalSpeed(player);
    }
    EXPECT_NEAR(speed, 8.0f, 1e-3f);
    const float x0 = t.position(player).x;
    t.steps(100);
    EXPECT_NEAR(t.position(player).x - x0, 8.0f, 0.01f);
    EXPECT_NEAR(t.position(player).y, 0.0f, 1e-4f);
    EXPECT_NEAR(bottom(), 0.0f, restTolerance);

    t.release(SDL_SCANCODE_W);
    t.character(player).velocity = glm::vec3(3.0f, 0.0f, 0.0f);
    for (int i = 1; i <= 6; ++i) {
        t.step();
        EXPECT_NEAR(t.horizontalSpeed(player), 3.0f - 0.5f * i, 1e-3f) << "step " << i;
    }
    EXPECT_EQ(t.horizontalSpeed(player), 0.0f);
}

TEST_F(CharacterControllerTest, DecaysByTwoHundredthsPerStepInTheAir)
{
    t.place(player, glm::vec3(0.0f, 0.0f, 40.0f));
    t.step();
    t.character(player).velocity = glm::vec3(0.0f, 5.0f, 0.0f);
    for (int i = 1; i <= 50; ++i) {
        t.step();
        ASSERT_FALSE(t.controller(player).onGround());
        EXPECT_NEAR(t.horizontalSpeed(player), 5.0f - 0.02f * i, 1e-3f) << "step " << i;
    }
}

TEST_F(CharacterControllerTest, JumpsOnlyFromTheGroundAndNotAgainUntilLanding)
{
    // Held while falling from the spawn point, Space does nothing.
    t.hold(SDL_SCANCODE_SPACE);
    for (int i = 0; i < 50; ++i) {
        const float before = vertical();
        t.step();
        EXPECT_LT(vertical(), before);
    }
    t.release(SDL_SCANCODE_SPACE);
    t.steps(100);
    // Held from the ground on: one jump, and the next only once landed.
    t.hold(SDL_SCANCODE_SPACE);
    float peak = 0.0f;
    int jumps = 0;
    for (int i = 0; i < 250 && jumps < 2; ++i) {
        const float before = vertical();
        t.step();
        if (vertical() == CharacterControllerSystem::jumpSpeed && before != vertical()) {
            ++jumps;
            EXPECT_LT(bottom(), restTolerance) << "jumped in the air";
        }
        if (jumps == 1) peak = std::max(peak, bottom());
    }
    EXPECT_EQ(jumps, 2) << "landed, the held key jumps again";
    // 10 m/s against 15 m/s² rises 10² / 30 = 3.33 m.
    EXPECT_NEAR(peak, 100.0f / 30.0f, 0.12f);
}

TEST_F(CharacterControllerTest, StopsRisingAtACeiling)
{
    const float ceilingBottom = 2.0f;
    t.addBox(glm::vec3(0.0f, 0.0f, ceilingBottom + 0.5f), glm::vec3(6.0f, 6.0f, 1.0f));
    standAt(0.0f, 0.0f);
    t.hold(SDL_SCANCODE_SPACE);
    t.step();
    t.release(SDL_SCANCODE_SPACE);
    ASSERT_FLOAT_EQ(vertical(), CharacterControllerSystem::jumpSpeed);
    bool stopped = false;
    for (int i = 0; i < 60; ++i) {
        t.step();
        const float top = t.position(player).z + capsuleHalfHeight;
        EXPECT_LE(top, ceilingBottom + restTolerance);
        if (!stopped && vertical() <= 0.0f) {
            stopped = true;
            EXPECT_NEAR(top, ceilingBottom, 0.05f) << "stopped at the ceiling, far below a free jump's 3.3 m";
        }
    }
    EXPECT_TRUE(stopped);
    EXPECT_NEAR(bottom(), 0.0f, restTolerance);
}

TEST_F(CharacterControllerTest, SlidesAlongAWallHitAtAnAngleKeepingTheParallelPart)
{
    // A wall whose face is the plane x = 2, hit in the air at 45 degrees.
    const float wallFace = 2.0f;
    t.addBox(glm::vec3(wallFace + 1.0f, 0.0f, 20.0f), glm::vec3(2.0f, 40.0f, 40.0f));
    t.place(player, glm::vec3(0.0f, 0.0f, 30.0f));
    t.step();
    t.character(player).velocity = glm::vec3(6.0f, 6.0f, 0.0f);
    bool touched = false;
    for (int i = 0; i < 80; ++i) {
        const float speedAlongWall = t.character(player).velocity.y;
        const float y0 = t.position(player).y;
        t.step();
        const float x = t.position(player).x + radius;
        EXPECT_LE(x, wallFace + restTolerance);
        touched = touched || x > wallFace - 0.01f;
        // Air friction takes 0.02 m/s per step; the wall only the part into it.
        const float advance = (t.position(player).y - y0) / CharacterControllerSystem::controllerStep;
        EXPECT_GT(advance, speedAlongWall - 0.2f) << "step " << i;
    }
    EXPECT_TRUE(touched);
    EXPECT_NEAR(t.character(player).velocity.x, 0.0f, 1e-3f);
    EXPECT_GT(t.character(player).velocity.y, 6.0f - 0.02f * 80 - 0.05f);
}

TEST_F(CharacterControllerTest, IsHeldStillInACornerBetweenTwoWalls)
{
    // Walls with faces x = 2 and y = 2, walked into diagonally.
    t.addBox(glm::vec3(3.0f, 0.0f, 2.0f), glm::vec3(2.0f, 10.0f, 4.0f));
    t.addBox(glm::vec3(0.0f, 3.0f, 2.0f), glm::vec3(10.0f, 2.0f, 4.0f));
    standAt(0.0f, 0.0f);
    t.hold(SDL_SCANCODE_W);
    t.hold(SDL_SCANCODE_A);
    t.steps(180);

    const glm::vec3 held = t.position(player);
    float spread = 0.0f;
    for (int i = 0; i < 60; ++i) {
        t.step();
        spread = std::max(spread, glm::distance(t.position(player), held));
    }
    RecordProperty("corner_spread_mm", std::to_string(spread * 1000.0f));
    EXPECT_LE(spread, 0.001f);
    EXPECT_NEAR(held.x, 2.0f - radius, restTolerance);
    EXPECT_NEAR(held.y, 2.0f - radius, restTolerance);
}

TEST_F(CharacterControllerTest, ClimbsOutOfABlockItWasPlacedInside)
{
    const float blockTop = 1.0f;
    t.addBox(glm::vec3(0.0f, 0.0f, blockTop * 0.5f), glm::vec3(4.0f, 4.0f, blockTop));
    t.place(player, glm::vec3(0.0f, 0.0f, blockTop - 0.3f + capsuleHalfHeight));
    t.steps(100);
    EXPECT_NEAR(bottom(), blockTop, restTolerance);
    EXPECT_TRUE(t.controller(player).onGround());
}

// A long fall reaches 55 m/s and no more, and at 0.55 m a step still lands
// on a 0.1 m block (the level's thinnest) without sinking in. Several start
// heights give several offsets of the last step.
TEST(CharacterFallTest, FallsNoFasterThanFiftyFiveMetresPerSecondAndLandsOnAThinBlock)
{
    const float blockTop = 50.0f;
    for (int k = 0; k <= 10; ++k) {
        const float startOffset = 0.05f * static_cast<float>(k);
        SCOPED_TRACE(startOffset);
        PhysicsTestWorld t;
        t.addBox(glm::vec3(0.0f, 0.0f, blockTop - 0.05f), glm::vec3(4.0f, 4.0f, 0.1f));
        const uint32_t faller = t.addPlayer();
        t.place(faller, glm::vec3(0.0f, 0.0f, 200.0f + startOffset));
        float fastest = 0.0f;
        for (int i = 0; i < 500; ++i) {
            const float z0 = t.position(faller).z;
            t.step();
            fastest = std::min(fastest, t.controller(faller).getVerticalVelocity());
            ASSERT_LE(z0 - t.position(faller).z, 0.55f + 1e-4f) << "step " << i;
            ASSERT_GE(t.position(faller).z - capsuleHalfHeight, blockTop - restTolerance) << "step " << i;
        }
        EXPECT_FLOAT_EQ(fastest, -55.0f);
        EXPECT_NEAR(t.position(faller).z - capsuleHalfHeight, blockTop, restTolerance);
    }
}

// A block whose face x = 19 is level with the player hanging at (0, 0, 20)
// and looking along +X: a rope of 19 m swings it down and across.
class GrapplingRopeTest : public CharacterControllerTest {
protected:
    void SetUp() override
    {
        CharacterControllerTest::SetUp();
        t.addBox(glm::vec3(20.0f, 0.0f, 20.0f), glm::vec3(2.0f, 10.0f, 2.0f));
        t.place(player, glm::vec3(0.0f, 0.0f, 20.0f));
        t.holdLeftButton();
        t.step();
    }

    const CharacterControllerComponent& character() { return t.character(player); }
};

TEST_F(GrapplingRopeTest, SwingsFasterThanWalkingAndForwardKeyDoesNotCutTheSpeed)
{
    ASSERT_TRUE(character().hooked);
    EXPECT_NEAR(glm::distance(character().hookPoint, glm::vec3(19.0f, 0.0f, 20.0f)), 0.0f, 1e-3f);
    EXPECT_NEAR(character().ropeLength, 19.0f, 1e-3f);
    // A quarter swing of a 19 m rope under 15 m/s² takes about 1.8 s.
    float fastest = 0.0f;
    for (int i = 0; i < 170; ++i) {
        t.step();
        EXPECT_LE(glm::distance(t.position(player), character().hookPoint), character().ropeLength + 1e-3f);
        fastest = std::max(fastest, t.horizontalSpeed(player));
    }
    ASSERT_GT(fastest, 12.0f);

    t.hold(SDL_SCANCODE_W);
    for (int i = 0; i < 10; ++i) {
        const float before = t.horizontalSpeed(player);
        t.step();
        if (before > CharacterControllerSystem::maxWalkSpeed) {
            EXPECT_GT(t.horizontalSpeed(player), CharacterControllerSystem::maxWalkSpeed);
        }
    }
}

TEST_F(GrapplingRopeTest, TheRopeIsGoneTheFirstStepTheButtonIsUpAndAMissDoesNotHook)
{
    t.steps(30);
    ASSERT_TRUE(character().hooked);
    t.releaseLeftButton();
    t.step();
    EXPECT_FALSE(character().hooked);
    t.steps(30);
    EXPECT_GT(glm::distance(t.position(player), character().hookPoint), character().ropeLength);

    t.camera(player).yaw = 180.0f;
    t.holdLeftButton();
    t.steps(3);
    EXPECT_FALSE(character().hooked);
}

} // namespace

#include "tests/Game/Physics/PhysicsTestWorld.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

// The capsule may rest this deep in a surface (the controller's allowed
// penetration) plus float noise.
constexpr float restTolerance = CharacterControllerComponent::allowedPenetration + 1e-3f;

class CharacterControllerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        t.addFloor();
        player = t.addPlayer();
    }

    // Lets the player drop from the spawn point and come to rest on the floor.
    void settleOnFloor()
    {
        t.steps(150);
        ASSERT_TRUE(t.controller(player).onGround());
    }

    float bottom() { return t.position(player).z - capsuleHalfHeight; }

    PhysicsTestWorld t;
    uint32_t player = 0;
};

TEST_F(CharacterControllerTest, FallsFromTheSpawnPointAndRestsOnTheFloor)
{
    EXPECT_FLOAT_EQ(t.controller(player).getPosition().z(), 10.0f);
    float previousZ = 10.0f;
    int stepsFalling = 0;
    while (!t.controller(player).onGround() && stepsFalling < 300) {
        t.step();
        EXPECT_LE(t.position(player).z, previousZ);
        previousZ = t.position(player).z;
        ++stepsFalling;
    }
    // Free fall under 15 m/s² covers the 9.5 m in about 1.1 s.
    EXPECT_GT(stepsFalling, 100);
    EXPECT_LT(stepsFalling, 125);

    t.steps(100);
    EXPECT_NEAR(bottom(), 0.0f, restTolerance);
    EXPECT_TRUE(t.controller(player).onGround());
    EXPECT_FLOAT_EQ(t.controller(player).getVerticalVelocity(), 0.0f);
    EXPECT_FLOAT_EQ(t.position(player).x, 0.0f);
    EXPECT_FLOAT_EQ(t.position(player).y, 0.0f);
}

TEST_F(CharacterControllerTest, TransformAndCameraHeightFollowTheCapsule)
{
    t.steps(20);
    const btVector3 ghost = t.controller(player).getPosition();
    EXPECT_EQ(t.position(player), glm::vec3(ghost.x(), ghost.y(), ghost.z()));
    EXPECT_FLOAT_EQ(t.camera(player).offset.z, 0.3f);
}

TEST_F(CharacterControllerTest, WalksForwardUpToEightMetresPerSecond)
{
    settleOnFloor();
    t.hold(SDL_SCANCODE_W);
    float previousSpeed = 0.0f;
    for (int i = 0; i < 30; ++i) {
        t.step();
        const float speed = t.horizontalSpeed(player);
        EXPECT_LE(speed, CharacterControllerSystem::maxWalkSpeed + 1e-4f);
        EXPECT_GE(speed, previousSpeed);
        previousSpeed = speed;
    }
    // 0.6 m/s per step reaches 8 m/s within 14 steps.
    EXPECT_NEAR(previousSpeed, 8.0f, 1e-3f);

    const float x0 = t.position(player).x;
    t.steps(100);
    EXPECT_NEAR(t.position(player).x - x0, 8.0f, 0.01f);
    EXPECT_NEAR(t.position(player).y, 0.0f, 1e-4f);
    EXPECT_NEAR(bottom(), 0.0f, restTolerance);
}

TEST_F(CharacterControllerTest, StopsFromThreeMetresPerSecondWithinSixSteps)
{
    settleOnFloor();
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
    // Holding Space while falling from the spawn point does nothing.
    t.hold(SDL_SCANCODE_SPACE);
    float previousVertical = t.controller(player).getVerticalVelocity();
    for (int i = 0; i < 50; ++i) {
        t.step();
        EXPECT_LT(t.controller(player).getVerticalVelocity(), previousVertical);
        previousVertical = t.controller(player).getVerticalVelocity();
    }
    t.release(SDL_SCANCODE_SPACE);
    settleOnFloor();

    t.hold(SDL_SCANCODE_SPACE);
    t.step();
    EXPECT_FLOAT_EQ(t.controller(player).getVerticalVelocity(), CharacterControllerSystem::jumpSpeed);

    // Airborne with Space still held: the rise slows down step by step and
    // no new jump restarts it until the body is back on the ground.
    float peak = 0.0f;
    int jumps = 0;
    previousVertical = CharacterControllerSystem::jumpSpeed;
    for (int i = 0; i < 200 && jumps < 2; ++i) {
        t.step();
        const float vertical = t.controller(player).getVerticalVelocity();
        if (vertical == CharacterControllerSystem::jumpSpeed && previousVertical != vertical) {
            ++jumps;
            EXPECT_LT(bottom(), restTolerance) << "jumped again in the air";
        }
        peak = std::max(peak, bottom());
        previousVertical = vertical;
    }
    EXPECT_EQ(jumps, 1) << "held Space jumps again once landed";
    // 10 m/s against 15 m/s² rises 10² / 30 = 3.33 m.
    EXPECT_NEAR(peak, 100.0f / 30.0f, 0.12f);
}

TEST_F(CharacterControllerTest, StopsRisingAtACeiling)
{
    const float ceilingBottom = 2.0f;
    t.addBox(glm::vec3(0.0f, 0.0f, ceilingBottom + 0.5f), glm::vec3(6.0f, 6.0f, 1.0f));
    t.place(player, glm::vec3(0.0f, 0.0f, capsuleHalfHeight));
    t.steps(20);
    ASSERT_TRUE(t.controller(player).onGround());

    t.hold(SDL_SCANCODE_SPACE);
    t.step();
    t.release(SDL_SCANCODE_SPACE);
    bool stopped = false;
    for (int i = 0; i < 60; ++i) {
        t.step();
        EXPECT_LE(t.position(player).z + capsuleHalfHeight, ceilingBottom + restTolerance);
        if (!stopped && t.controller(player).getVerticalVelocity() <= 0.0f) {
            stopped = true;
            // Stopped at the ceiling, far below the 3.3 m a free jump reaches.
            EXPECT_NEAR(t.position(player).z + capsuleHalfHeight, ceilingBottom, 0.05f);
        }
    }
    EXPECT_TRUE(stopped);
    EXPECT_TRUE(t.controller(player).onGround());
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

    float speedAlongWall = 6.0f;
    bool touched = false;
    for (int i = 0; i < 80; ++i) {
        const float y0 = t.position(player).y;
        t.step();
        const float x = t.position(player).x + CharacterControllerComponent::capsuleRadius;
        EXPECT_LE(x, wallFace + restTolerance);
        if (x > wallFace - 0.01f) touched = true;
        // Air friction takes 0.02 m/s per step off the speed; the wall takes
        // only the part into it.
        const float advance = (t.position(player).y - y0) / CharacterControllerSystem::controllerStep;
        EXPECT_GT(advance, speedAlongWall - 0.2f) << "step " << i;
        speedAlongWall = t.character(player).velocity.y;
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
    t.place(player, glm::vec3(0.0f, 0.0f, capsuleHalfHeight));
    t.steps(20);
    t.hold(SDL_SCANCODE_W);
    t.hold(SDL_SCANCODE_A);

    std::vector<glm::vec3> positions;
    for (int i = 0; i < 240; ++i) {
        t.step();
        positions.push_back(t.position(player));
    }
    const glm::vec3 last = positions.back();
    EXPECT_NEAR(last.x, 2.0f - CharacterControllerComponent::capsuleRadius, restTolerance);
    EXPECT_NEAR(last.y, 2.0f - CharacterControllerComponent::capsuleRadius, restTolerance);
    float spread = 0.0f;
    for (std::size_t i = positions.size() - 60; i < positions.size(); ++i) {
        spread = std::max(spread, glm::length(positions[i] - last));
    }
    RecordProperty("corner_spread_mm", std::to_string(spread * 1000.0f));
    EXPECT_LE(spread, 0.001f);
}

TEST_F(CharacterControllerTest, IsHeldStillInANarrowWedgeBetweenTwoWalls)
{
    // Two walls meeting at 60 degrees with the apex on +X, walked into along
    // the bisector.
    const float halfOpening = glm::radians(30.0f);
    const glm::vec3 size(12.0f, 1.0f, 4.0f);
    for (const float side : {1.0f, -1.0f}) {
        const glm::quat turn = glm::angleAxis(-side * halfOpening, glm::vec3(0.0f, 0.0f, 1.0f));
        // Each wall's inner face passes through the apex (8, 0).
        const glm::vec3 inward = turn * glm::vec3(0.0f, -side, 0.0f);
        const glm::vec3 along = turn * glm::vec3(-1.0f, 0.0f, 0.0f);
        const glm::vec3 center = glm::vec3(8.0f, 0.0f, 2.0f) + along * 6.0f - inward * 0.5f;
        t.addBox(center, size, turn);
    }
    t.place(player, glm::vec3(0.0f, 0.0f, capsuleHalfHeight));
    t.steps(20);
    t.hold(SDL_SCANCODE_W);

    std::vector<glm::vec3> positions;
    for (int i = 0; i < 300; ++i) {
        t.step();
        positions.push_back(t.position(player));
    }
    const glm::vec3 last = positions.back();
    EXPECT_GT(last.x, 6.0f);
    EXPECT_NEAR(last.y, 0.0f, 0.01f);
    float spread = 0.0f;
    for (std::size_t i = positions.size() - 60; i < positions.size(); ++i) {
        spread = std::max(spread, glm::length(positions[i] - last));
    }
    RecordProperty("wedge_spread_mm", std::to_string(spread * 1000.0f));
    EXPECT_LE(spread, 0.001f);
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

TEST_F(CharacterControllerTest, FallsNoFasterThanFiftyFiveMetresPerSecond)
{
    t.place(player, glm::vec3(0.0f, 0.0f, 300.0f));
    float previousZ = t.position(player).z;
    for (int i = 0; i < 450; ++i) {
        t.step();
        EXPECT_GE(t.controller(player).getVerticalVelocity(), -55.0f);
        EXPECT_LE(previousZ - t.position(player).z, 0.55f + 1e-4f);
        previousZ = t.position(player).z;
    }
    EXPECT_FLOAT_EQ(t.controller(player).getVerticalVelocity(), -55.0f);
}

TEST_F(CharacterControllerTest, LandsOnAThinBlockAtFullFallSpeedWithoutSinkingIn)
{
    // 0.1 m thick, like the level's thinnest block, met at 55 m/s (0.55 m a
    // step). Several start heights give several offsets of the last step; in
    // no step may the body show inside the block.
    const float blockTop = 50.0f;
    for (int k = 0; k < 11; ++k) {
        PhysicsTestWorld fresh;
        fresh.addFloor();
        fresh.addBox(glm::vec3(0.0f, 0.0f, blockTop - 0.05f), glm::vec3(4.0f, 4.0f, 0.1f));
        const uint32_t faller = fresh.addPlayer();
        const float startOffset = 0.05f * static_cast<float>(k);
        fresh.place(faller, glm::vec3(0.0f, 0.0f, 200.0f + startOffset));
        for (int i = 0; i < 500; ++i) {
            fresh.step();
            ASSERT_GE(fresh.position(faller).z - capsuleHalfHeight, blockTop - restTolerance)
                << "start offset " << startOffset << ", step " << i;
        }
        EXPECT_NEAR(fresh.position(faller).z - capsuleHalfHeight, blockTop, restTolerance);
    }
}

TEST_F(CharacterControllerTest, HoldingLeftAndRightWalksRight)
{
    settleOnFloor();
    t.camera(player).yaw = 90.0f;  // looking along +Y, so right is +X
    t.hold(SDL_SCANCODE_A);
    t.hold(SDL_SCANCODE_D);
    t.steps(50);
    EXPECT_GT(t.position(player).x, 1.0f);
    EXPECT_NEAR(t.position(player).y, 0.0f, 1e-3f);
}

TEST_F(CharacterControllerTest, HoldingForwardAndBackWalksForward)
{
    settleOnFloor();
    t.camera(player).yaw = 90.0f;
    t.hold(SDL_SCANCODE_W);
    t.hold(SDL_SCANCODE_S);
    t.steps(50);
    EXPECT_GT(t.position(player).y, 1.0f);
    EXPECT_NEAR(t.position(player).x, 0.0f, 1e-3f);
}

TEST_F(CharacterControllerTest, SetVelocitySplitsOffTheVerticalPart)
{
    CustomCharacterController& controller = t.controller(player);
    controller.setVelocity(btVector3(3.0f, 4.0f, -2.0f));
    EXPECT_FLOAT_EQ(controller.getVerticalVelocity(), -2.0f);
    EXPECT_NEAR(controller.getWalkDirection().x(), 3.0f, 1e-5f);
    EXPECT_NEAR(controller.getWalkDirection().y(), 4.0f, 1e-5f);
    EXPECT_NEAR(controller.getWalkDirection().z(), 0.0f, 1e-5f);

    // A horizontal velocity leaves the vertical velocity as it was.
    controller.setVelocity(btVector3(1.0f, 0.0f, 0.0f));
    EXPECT_FLOAT_EQ(controller.getVerticalVelocity(), -2.0f);
    // A negligible velocity stops the vertical motion.
    controller.setVelocity(btVector3(0.0f, 0.0f, 1e-4f));
    EXPECT_FLOAT_EQ(controller.getVerticalVelocity(), 0.0f);
}

// ---- the rope ----

class GrapplingRopeTest : public CharacterControllerTest {
protected:
    // A block whose face x = 19 is level with the player hanging at (0, 0, 20)
    // and looking along +X: a rope of 19 m swings it down and across.
    void SetUp() override
    {
        CharacterControllerTest::SetUp();
        anchor = t.addBox(glm::vec3(20.0f, 0.0f, 20.0f), glm::vec3(2.0f, 10.0f, 2.0f));
        t.place(player, glm::vec3(0.0f, 0.0f, 20.0f));
    }

    uint32_t anchor = 0;
};

TEST_F(GrapplingRopeTest, AClickThatHitsABlockFixesTheRope)
{
    t.holdLeftButton();
    t.step();
    const CharacterControllerComponent& character = t.character(player);
    ASSERT_TRUE(character.hooked);
    EXPECT_NEAR(character.hookPoint.x, 19.0f, 1e-3f);
    EXPECT_NEAR(character.hookPoint.z, 20.0f, 1e-3f);
    EXPECT_NEAR(character.ropeLength, 19.0f, 1e-3f);
}

TEST_F(GrapplingRopeTest, AClickThatHitsNothingLeavesTheRopeDetached)
{
    t.camera(player).yaw = 180.0f;
    t.holdLeftButton();
    t.steps(3);
    EXPECT_FALSE(t.character(player).hooked);
}

TEST_F(GrapplingRopeTest, SwingsFasterThanWalkingAndForwardKeyDoesNotCutTheSpeed)
{
    t.holdLeftButton();
    t.step();
    ASSERT_TRUE(t.character(player).hooked);
    // A quarter swing of a 19 m rope under 15 m/s² takes about 1.8 s.
    float fastest = 0.0f;
    for (int i = 0; i < 170; ++i) {
        t.step();
        const glm::vec3 hook = t.character(player).hookPoint;
        EXPECT_LE(glm::length(t.position(player) - hook), t.character(player).ropeLength + 1e-3f);
        fastest = std::max(fastest, t.horizontalSpeed(player));
    }
    ASSERT_GT(fastest, 12.0f);

    // Swinging faster than 8 m/s towards +X: W turns but never cuts the speed.
    t.hold(SDL_SCANCODE_W);
    for (int i = 0; i < 10; ++i) {
        const float before = t.horizontalSpeed(player);
        t.step();
        if (before > CharacterControllerSystem::maxWalkSpeed) {
            EXPECT_GT(t.horizontalSpeed(player), CharacterControllerSystem::maxWalkSpeed);
        }
    }
}

TEST_F(GrapplingRopeTest, TheRopeIsGoneTheFirstStepTheButtonIsUp)
{
    t.holdLeftButton();
    t.steps(30);
    ASSERT_TRUE(t.character(player).hooked);
    t.releaseLeftButton();
    t.step();
    EXPECT_FALSE(t.character(player).hooked);
    // Let go, the body flies on past the rope's reach.
    t.steps(30);
    EXPECT_GT(glm::length(t.position(player) - t.character(player).hookPoint), t.character(player).ropeLength);
}

} // namespace

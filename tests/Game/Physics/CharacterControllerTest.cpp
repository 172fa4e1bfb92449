// The character controller in a real Bullet world, stepped as the game steps it.
#include "Game/Physics/CharacterControllerComponent.h"
#include "Game/Physics/CharacterControllerSystem.h"
#include "Game/Physics/StaticBodies.h"
#include "Game/Scene/CameraModificationComponent.h"
#include "Game/Scene/TransformComponent.h"
#include "tests/support/GameTestWorld.h"

#include <SDL_gamecontroller.h>
#include <SDL_mouse.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace {

using Character = CharacterControllerComponent;

// The capsule's bottom is this far below its centre; it may rest this deep in
// a surface (the allowed penetration) plus float noise.
constexpr float halfHeight = Character::capsuleRadius + (Character::defaultHeight - Character::cylinderShortening) * 0.5f;
constexpr float restTolerance = Character::allowedPenetration + 1e-3f;
constexpr float radius = Character::capsuleRadius;

class CharacterControllerTest : public ::testing::Test {
protected:
    void SetUp() override { player = t.addPlayer(); }

    Character& character() { return t.world.getComponent<Character>(player); }
    CustomCharacterController& controller() { return *character().controller; }
    glm::vec3 position() { return t.world.getComponent<TransformComponent>(player).position; }
    float bottom() { return position().z - halfHeight; }
    float vertical() { return controller().getVerticalVelocity(); }
    float horizontalSpeed() { return glm::length(glm::vec2(character().velocity)); }
    void place(const glm::vec3& p) { controller().warp(btVector3(p.x, p.y, p.z)); }
    void standAt(float x, float y)
    {
        place(glm::vec3(x, y, halfHeight));
        t.stepsPlayer(20);
    }

    GameTesting::GameTestWorld t;
    uint32_t player = 0;
};

TEST_F(CharacterControllerTest, FallsFromTheSpawnPointAndLandsOnTheFloorWithoutBouncing)
{
    GamePhysics::createFloor(t.world);
    t.world.refresh();
    int stepsFalling = 0;
    for (float previousZ = controller().getPosition().z(); !controller().onGround() && stepsFalling < 300; ++stepsFalling) {
        t.stepPlayer();
        ASSERT_LE(position().z, previousZ);
        previousZ = position().z;
    }
    // Free fall under 15 m/s² covers the spawn height of 9.5 m in about 1.1 s.
    EXPECT_GT(stepsFalling, 100);
    EXPECT_LT(stepsFalling, 125);
    t.stepsPlayer(100);
    EXPECT_NEAR(bottom(), 0.0f, restTolerance);
    EXPECT_EQ(vertical(), 0.0f);
    EXPECT_EQ(glm::vec2(position()), glm::vec2(0.0f));
}

TEST_F(CharacterControllerTest, JumpsOnlyFromTheGroundAndAgainOnlyOnceLanded)
{
    GamePhysics::createFloor(t.world);
    t.world.refresh();
    t.keys[SDL_SCANCODE_SPACE] = 1; // held while falling from the spawn point: nothing
    for (int i = 0; i < 50; ++i) {
        const float before = vertical();
        t.stepPlayer();
        EXPECT_LT(vertical(), before);
    }
    t.keys[SDL_SCANCODE_SPACE] = 0;
    t.stepsPlayer(100);
    t.keys[SDL_SCANCODE_SPACE] = 1;
    float peak = 0.0f;
    int jumps = 0;
    for (int i = 0; i < 250 && jumps < 2; ++i) {
        const float before = vertical();
        t.stepPlayer();
        if (vertical() == CharacterControllerSystem::jumpSpeed && before != vertical()) {
            ++jumps;
            EXPECT_LT(bottom(), restTolerance) << "jumped in the air";
        }
        if (jumps == 1) peak = std::max(peak, bottom());
    }
    EXPECT_EQ(jumps, 2);
    EXPECT_NEAR(peak, 100.0f / 30.0f, 0.12f) << "10 m/s against 15 m/s² rises 3.33 m";
}

// The left stick (y down, as SDL reports it) walks at its push's fraction of
// the walking speed relative to the view; A jumps.
TEST_F(CharacterControllerTest, TheLeftStickWalksAtItsPushsFractionOfTheSpeedAndAJumps)
{
    GamePhysics::createFloor(t.world);
    t.world.refresh();
    standAt(0.0f, 0.0f);
    const std::tuple<int16_t, int16_t, glm::vec2> pushes[] = {
        {0, -32767, {8.0f, 0.0f}}, {0, -(6553 + 13107), {4.0f, 0.0f}}, {-32767, 0, {0.0f, 8.0f}}, {0, -6000, {0.0f, 0.0f}}};
    for (const auto& [x, y, velocity] : pushes) {
        t.pad.refresh(Engine::PadReading{true, {x, y, 0, 0, 0, 0}, 0});
        t.stepsPlayer(120);
        EXPECT_NEAR(glm::distance(glm::vec2(character().velocity), velocity), 0.0f, 0.05f) << x << ", " << y;
    }
    t.pad.refresh(Engine::PadReading{true, {}, 1u << SDL_CONTROLLER_BUTTON_A});
    t.stepPlayer();
    EXPECT_EQ(vertical(), CharacterControllerSystem::jumpSpeed);
}

// Standing needs ground within 35° of level: steeper ground lets it slide.
TEST_F(CharacterControllerTest, StandsOnGentleSlopesAndSlidesDownSteepOnes)
{
    const struct { float degrees; bool stands; } rows[] = {{0.0f, true}, {30.0f, true}, {40.0f, false}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.degrees);
        GameTesting::GameTestWorld w;
        const float angle = glm::radians(row.degrees);
        w.addBox(glm::vec3(0.0f), glm::vec3(20.0f, 20.0f, 1.0f), glm::angleAxis(angle, glm::vec3(0.0f, 1.0f, 0.0f)));
        const uint32_t faller = w.addPlayer();
        auto& body = *w.world.getComponent<Character>(faller).controller;
        body.warp(btVector3(0.0f, 0.0f, 0.5f / std::cos(angle) + halfHeight + 1.0f));
        bool everStood = false;
        for (int i = 0; i < 150; ++i) {
            w.stepPlayer();
            everStood = everStood || body.onGround();
        }
        EXPECT_EQ(everStood, row.stands);
        EXPECT_EQ(body.onGround(), row.stands);
        const float drift = std::abs(w.world.getComponent<TransformComponent>(faller).position.x);
        EXPECT_EQ(drift > 0.5f, !row.stands) << "drifted " << drift;
    }
}

TEST_F(CharacterControllerTest, SlidesAlongAWallHitAtAnAngleKeepingTheParallelPart)
{
    const float wallFace = 2.0f; // the plane x = 2, hit in the air at 45°
    t.addBox(glm::vec3(wallFace + 1.0f, 0.0f, 20.0f), glm::vec3(2.0f, 40.0f, 40.0f));
    place(glm::vec3(0.0f, 0.0f, 30.0f));
    t.stepPlayer();
    character().velocity = glm::vec3(6.0f, 6.0f, 0.0f);
    bool touched = false;
    for (int i = 0; i < 80; ++i) {
        const float alongWall = character().velocity.y;
        const float y0 = position().y;
        t.stepPlayer();
        const float x = position().x + radius;
        EXPECT_LE(x, wallFace + restTolerance);
        touched = touched || x > wallFace - 0.01f;
        // Air friction takes 0.02 m/s per step; the wall only the part into it.
        EXPECT_GT((position().y - y0) / CharacterControllerSystem::controllerStep, alongWall - 0.2f) << "step " << i;
    }
    EXPECT_TRUE(touched);
    EXPECT_NEAR(character().velocity.x, 0.0f, 1e-3f);
    EXPECT_GT(character().velocity.y, 6.0f - 0.02f * 80 - 0.05f);
}

TEST_F(CharacterControllerTest, IsHeldStillInACornerBetweenTwoWalls)
{
    GamePhysics::createFloor(t.world);
    t.addBox(glm::vec3(3.0f, 0.0f, 2.0f), glm::vec3(2.0f, 10.0f, 4.0f)); // faces x = 2 and y = 2
    t.addBox(glm::vec3(0.0f, 3.0f, 2.0f), glm::vec3(10.0f, 2.0f, 4.0f));
    standAt(0.0f, 0.0f);
    t.keys[SDL_SCANCODE_W] = t.keys[SDL_SCANCODE_A] = 1;
    t.stepsPlayer(180);
    const glm::vec3 held = position();
    float spread = 0.0f;
    for (int i = 0; i < 60; ++i) {
        t.stepPlayer();
        spread = std::max(spread, glm::distance(position(), held));
    }
    EXPECT_LE(spread, 0.001f);
    EXPECT_NEAR(held.x, 2.0f - radius, restTolerance);
    EXPECT_NEAR(held.y, 2.0f - radius, restTolerance);
}

TEST_F(CharacterControllerTest, ClimbsOutOfABlockItWasPlacedInside)
{
    t.addBox(glm::vec3(0.0f, 0.0f, 0.5f), glm::vec3(4.0f, 4.0f, 1.0f));
    place(glm::vec3(0.0f, 0.0f, 0.7f + halfHeight));
    t.stepsPlayer(100);
    EXPECT_NEAR(bottom(), 1.0f, restTolerance);
    EXPECT_TRUE(controller().onGround());
}

// A long fall reaches 55 m/s and no more, and at 0.55 m a step still lands on
// a 0.1 m block (the level's thinnest) without sinking in, whatever the offset
// of the last step.
TEST(CharacterFallTest, FallsNoFasterThanFiftyFiveMetresPerSecondAndLandsOnAThinBlock)
{
    const float blockTop = 50.0f;
    for (int k = 0; k <= 10; ++k) {
        SCOPED_TRACE(k);
        GameTesting::GameTestWorld t;
        t.addBox(glm::vec3(0.0f, 0.0f, blockTop - 0.05f), glm::vec3(4.0f, 4.0f, 0.1f));
        const uint32_t faller = t.addPlayer();
        auto& body = *t.world.getComponent<Character>(faller).controller;
        body.warp(btVector3(0.0f, 0.0f, 200.0f + 0.05f * static_cast<float>(k)));
        const auto bottomZ = [&] { return t.world.getComponent<TransformComponent>(faller).position.z - halfHeight; };
        float fastest = 0.0f;
        for (int i = 0; i < 500; ++i) {
            const float z0 = bottomZ();
            t.stepPlayer();
            fastest = std::min(fastest, body.getVerticalVelocity());
            ASSERT_LE(z0 - bottomZ(), 0.55f + 1e-4f) << "step " << i;
            ASSERT_GE(bottomZ(), blockTop - restTolerance) << "step " << i;
        }
        EXPECT_FLOAT_EQ(fastest, -55.0f);
        EXPECT_NEAR(bottomZ(), blockTop, restTolerance);
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
        place(glm::vec3(0.0f, 0.0f, 20.0f));
        t.buttons = SDL_BUTTON_LMASK;
        t.stepPlayer();
    }
};

TEST_F(GrapplingRopeTest, SwingsOnTheRopeFasterThanWalkingWithoutStretchingIt)
{
    ASSERT_TRUE(character().hooked);
    EXPECT_NEAR(glm::distance(character().hookPoint, glm::vec3(19.0f, 0.0f, 20.0f)), 0.0f, 1e-3f);
    EXPECT_NEAR(character().ropeLength, 19.0f, 1e-3f);
    float fastest = 0.0f;
    for (int i = 0; i < 170; ++i) { // a quarter swing of 19 m under 15 m/s² takes about 1.8 s
        t.stepPlayer();
        EXPECT_LE(glm::distance(position(), character().hookPoint), character().ropeLength + 1e-3f);
        fastest = std::max(fastest, horizontalSpeed());
    }
    EXPECT_GT(fastest, 12.0f);
}

TEST_F(GrapplingRopeTest, TheRopeIsGoneTheFirstStepTheButtonIsUpAndAMissDoesNotHook)
{
    t.stepsPlayer(30);
    ASSERT_TRUE(character().hooked);
    t.buttons = 0;
    t.stepPlayer();
    EXPECT_FALSE(character().hooked);
    t.stepsPlayer(30);
    EXPECT_GT(glm::distance(position(), character().hookPoint), character().ropeLength) << "falls free";

    t.world.getComponent<CameraModificationComponent>(player).yaw = 180.0f;
    t.buttons = SDL_BUTTON_LMASK;
    t.stepsPlayer(3);
    EXPECT_FALSE(character().hooked);
}

} // namespace

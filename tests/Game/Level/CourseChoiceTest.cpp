// The generated level's course, finished by the real character controller in
// a real Bullet world: walking from where the player lands to each
// checkpoint in turn, then to the finish, as a player holding W would.
#include "Game/Level/Level.h"
#include "Game/Physics/CharacterControllerComponent.h"
#include "Game/Physics/StaticBodies.h"
#include "Game/Level/CourseChoice.h"
#include "Game/Race/RaceRun.h"
#include "Game/Scene/CameraModificationComponent.h"
#include "Game/Scene/TransformComponent.h"
#include "tests/support/GameTestWorld.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace {

using namespace Game;

constexpr int stepsPerLeg = 6000; // a minute of walking at most
constexpr float waypointReached = 0.4f;

class GeneratedCourse : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (const BlockPlacement& block : levelBlockPlacements()) {
            blocks.push_back(GamePhysics::createStaticBlock(t.world, block.position, block.size));
        }
        GamePhysics::createFloor(t.world);
        t.world.refresh();
        player = t.addPlayer();
    }

    glm::vec3 position() { return t.world.getComponent<TransformComponent>(player).position; }

    bool touching(uint32_t block) const
    {
        for (const GamePhysics::ContactPair& pair : t.contacts) {
            if ((pair.firstEntity == player && pair.secondEntity == block) ||
                (pair.secondEntity == player && pair.firstEntity == block)) {
                return true;
            }
        }
        return false;
    }

    // With W held, through the leg's points, then at the block's centre
    // until the two touch.
    bool walkTo(const std::vector<glm::vec2>& leg, const BlockPlacement& target, uint32_t block)
    {
        t.keys[SDL_SCANCODE_W] = 1;
        std::size_t next = 0;
        for (int step = 0; step < stepsPerLeg; ++step) {
            while (next < leg.size() && glm::distance(leg[next], glm::vec2(position())) < waypointReached) ++next;
            const glm::vec2 aim = next < leg.size() ? leg[next] : glm::vec2(target.position);
            const glm::vec2 way = aim - glm::vec2(position());
            t.world.getComponent<CameraModificationComponent>(player).yaw = glm::degrees(std::atan2(way.y, way.x));
            t.stepPlayer();
            race.movementInput();
            race.step(false);
            if (touching(block)) return true;
        }
        return false;
    }

    GameTesting::GameTestWorld t;
    std::vector<uint32_t> blocks;
    uint32_t player = 0;
    RaceRun race{3, std::nullopt};
};

TEST_F(GeneratedCourse, HasAFinishAndThreeCheckpointsAWalkingPlayerTouchesInTurn)
{
    const std::vector<BlockPlacement> placements = levelBlockPlacements();
    const Course course = chooseCourse(placements, GamePhysics::levelBlockRotation(), {0.0f, 0.0f});
    ASSERT_EQ(course.checkpoints.size(), 3u);
    ASSERT_TRUE(course.hasFinish);
    EXPECT_EQ(course.checkpoints, chooseCourse(placements, GamePhysics::levelBlockRotation(), {0.0f, 0.0f}).checkpoints);
    const std::vector<BlockKind> kinds = generatedLevelKinds(placements);
    EXPECT_EQ(kinds[course.finish], BlockKind::finish);
    EXPECT_EQ(std::count(kinds.begin(), kinds.end(), BlockKind::checkpoint), 3);
    EXPECT_EQ(std::count(kinds.begin(), kinds.end(), BlockKind::plain), 152);

    t.stepsPlayer(200); // lands from the spawn point
    ASSERT_TRUE(t.world.getComponent<CharacterControllerComponent>(player).controller->onGround());
    ASSERT_EQ(course.legs.size(), 4u);
    for (std::size_t leg = 0; leg < 3; ++leg) {
        const std::size_t index = course.checkpoints[leg];
        ASSERT_TRUE(walkTo(course.legs[leg], placements[index], blocks[index]))
            << "checkpoint block " << index << " not reached; stopped at " << position().x << ", " << position().y;
        race.touchCheckpoint(blocks[index], {position(), {}});
    }
    ASSERT_TRUE(walkTo(course.legs[3], placements[course.finish], blocks[course.finish]));
    race.touchFinish();
    EXPECT_EQ(race.phase(), RacePhase::finished);
    EXPECT_EQ(race.checkpointsReached(), 3u);
    EXPECT_GT(race.elapsedSteps(), 100u);
}

TEST(CourseChoice, TakesTheBlocksNearestByAWayAroundTheOthers)
{
    const glm::quat level(1, 0, 0, 0);
    const std::vector<BlockPlacement> row{
        {{3.5f, 0, 0.5f}, {1, 1, 1}}, // nearest
        {{8, 0, 0.5f}, {1, 1, 1}},   // behind the first: the way goes round it
        {{0, 6, 3.0f}, {1, 1, 1}},   // floats above the player's head: no target, no obstacle
        {{0, -3.5f, 0.5f}, {1, 1, 1}},
        {{-12, 0, 0.5f}, {1, 1, 1}},
    };
    const Course course = chooseCourse(row, level, {0.0f, 0.0f});
    EXPECT_EQ(course.checkpoints, (std::vector<std::size_t>{0, 3, 1}));
    ASSERT_TRUE(course.hasFinish);
    EXPECT_EQ(course.finish, 4u);
    ASSERT_EQ(course.legs.size(), 4u);
    for (const glm::vec2& point : course.legs[2]) {
        EXPECT_FALSE(std::abs(point.x - 3.5f) < 1.2f && std::abs(point.y) < 1.2f) << "through the first block";
    }
    EXPECT_FALSE(chooseCourse({row[2]}, level, {0.0f, 0.0f}).hasFinish);
    EXPECT_TRUE(chooseCourse(row, level, {3.5f, 0.0f}).legs.empty()) << "a start inside a block";

    const BlockReach tilted = reachOf({{0, 0, 1}, {4, 2, 1}}, GamePhysics::levelBlockRotation());
    EXPECT_NEAR(tilted.lowest, 1.0f - (0.5f * std::cos(0.5236f) + 2.0f * std::sin(0.5236f)), 1e-4f);
    EXPECT_NEAR(tilted.columnLow, 1.0f - 0.5f / std::cos(0.5236f), 1e-4f);
    EXPECT_NEAR(tilted.halfExtent.y, 1.0f, 1e-5f);
}

} // namespace

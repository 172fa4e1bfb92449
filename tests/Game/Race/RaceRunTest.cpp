// The race's plain rules: the step timer, its read-outs, splits against the
// best run, and a run driven by input and contact events.
#include "Game/Level/BlockKind.h"
#include "Game/Race/RaceRun.h"
#include "Game/Race/RaceStart.h"
#include "Game/Physics/CharacterControllerComponent.h"

#include <gtest/gtest.h>

namespace {

using namespace Game;
using Tone = RaceHudLine::Tone;

TEST(RaceTimer, CountsOnlyRunningUnpausedStepsAndFormatsThemAtTheEdges)
{
    RaceTimer timer;
    timer.step(false);
    timer.start();
    timer.step(false);
    timer.step(true);
    timer.step(false);
    EXPECT_EQ(timer.elapsedSteps(), 2u);
    timer.stop();
    timer.step(false);
    EXPECT_EQ(timer.elapsedSteps(), 2u);
    timer.reset();
    EXPECT_FALSE(timer.isRunning());
    EXPECT_EQ(timer.elapsedSteps(), 0u);

    const std::vector<std::pair<uint32_t, std::string>> times{
        {0, "0:00.00"}, {1, "0:00.01"}, {99, "0:00.99"}, {100, "0:01.00"}, {5999, "0:59.99"},
        {6000, "1:00.00"}, {6127, "1:01.27"}, {360000, "60:00.00"}};
    for (const auto& [steps, text] : times) EXPECT_EQ(formatRaceTime(steps), text) << steps;
    EXPECT_EQ(formatRaceSeconds(127), "1.27");
    EXPECT_EQ(formatRaceSeconds(6005), "60.05");
    EXPECT_EQ(formatSplitDifference(25), "+0.25");
    EXPECT_EQ(formatSplitDifference(-103), "-1.03");
    EXPECT_EQ(formatSplitDifference(0), "+0.00");
}

TEST(RaceSplits, AreComparedWithTheSameSplitOfTheBestRun)
{
    const std::optional<RaceRecord> best = RaceRecord{300, {100, 200}};
    const SplitComparison slower = compareSplit(1, 230, best);
    EXPECT_TRUE(slower.hasBest);
    EXPECT_EQ(slower.difference, 30);
    EXPECT_FALSE(slower.faster());
    EXPECT_TRUE(compareSplit(0, 90, best).faster());
    EXPECT_FALSE(compareSplit(2, 250, best).hasBest) << "the best run has no third split";
    EXPECT_FALSE(compareSplit(0, 90, std::nullopt).hasBest);

    EXPECT_TRUE(beatsRecord({299, {}}, best));
    EXPECT_FALSE(beatsRecord({300, {}}, best)) << "a tie is no record";
    EXPECT_TRUE(beatsRecord({9999, {}}, std::nullopt));
}

class RaceRunTest : public ::testing::Test {
protected:
    void steps(int count)
    {
        for (int i = 0; i < count; ++i) run.step(false);
    }
    std::vector<std::string> texts() const
    {
        std::vector<std::string> lines;
        for (const RaceHudLine& line : run.hudLines()) lines.push_back(line.text);
        return lines;
    }

    RaceRun run{2, RaceRecord{300, {100, 200}}};
};

TEST_F(RaceRunTest, TheTimerWaitsForMovementAndThePauseHoldsIt)
{
    steps(50);
    run.touchCheckpoint(7, {});
    EXPECT_EQ(run.phase(), RacePhase::waiting);
    EXPECT_EQ(run.checkpointsReached(), 0u) << "touches before the start are no part of a run";
    run.movementInput();
    steps(10);
    run.step(true);
    run.movementInput();
    steps(5);
    EXPECT_EQ(run.elapsedSteps(), 15u);
    EXPECT_EQ(texts(), (std::vector<std::string>{"0:00.15", "CP 0/2"}));
}

TEST_F(RaceRunTest, CheckpointsCountOnceEachAndShowTheirSplitForTwoSeconds)
{
    run.movementInput();
    steps(90);
    run.touchCheckpoint(7, {{1, 2, 3}, {4, 5, 6}});
    run.touchCheckpoint(7, {{9, 9, 9}, {}});
    ASSERT_EQ(run.checkpointsReached(), 1u);
    EXPECT_EQ(run.checkpointPose()->position, glm::vec3(1, 2, 3));
    EXPECT_EQ(run.checkpointPose()->velocity, glm::vec3(4, 5, 6));
    EXPECT_EQ(run.hudLines()[2], (RaceHudLine{"Split 1 0:00.90 -0.10", Tone::faster}));
    steps(RaceRun::noticeSteps - 1);
    EXPECT_EQ(run.hudLines().size(), 3u);
    steps(1);
    EXPECT_EQ(texts(), (std::vector<std::string>{"0:02.90", "CP 1/2"}));
    run.touchCheckpoint(8, {});
    EXPECT_EQ(run.hudLines()[2], (RaceHudLine{"Split 2 0:02.90 +0.90", Tone::slower}));
}

TEST_F(RaceRunTest, TheFinishWantsEveryCheckpointThenStopsTheTimerAndKeepsABeatenRecord)
{
    run.movementInput();
    run.touchCheckpoint(7, {});
    run.touchFinish();
    EXPECT_EQ(run.phase(), RacePhase::running);
    EXPECT_EQ(texts().back(), "1 checkpoints left");
    steps(200);
    run.touchCheckpoint(8, {});
    steps(50);
    run.touchFinish();
    steps(30);
    run.touchFinish();
    EXPECT_EQ(run.phase(), RacePhase::finished);
    EXPECT_EQ(texts(), (std::vector<std::string>{"0:02.50", "CP 2/2", "Time 0:02.50", "Best 0:02.50", "NEW RECORD"}));
    EXPECT_EQ(run.takeNewRecord(), (RaceRecord{250, {0, 200}}));
    EXPECT_FALSE(run.takeNewRecord()) << "taken once";

    run.restart();
    EXPECT_EQ(run.phase(), RacePhase::waiting);
    EXPECT_EQ(run.elapsedSteps(), 0u);
    EXPECT_EQ(run.checkpointsReached(), 0u);
    EXPECT_FALSE(run.checkpointPose());
    EXPECT_EQ(run.bestRun(), (RaceRecord{250, {0, 200}}));
    run.movementInput();
    steps(400);
    run.touchCheckpoint(7, {});
    run.touchCheckpoint(8, {});
    run.touchFinish();
    EXPECT_EQ(texts(), (std::vector<std::string>{"0:04.00", "CP 2/2", "Time 0:04.00", "Best 0:02.50"}));
    EXPECT_FALSE(run.takeNewRecord());
}

TEST(RaceRun, ACourseWithoutBestOrCheckpointsEndsAtTheFirstFinishTouch)
{
    RaceRun run(0, std::nullopt);
    run.movementInput();
    run.step(false);
    run.touchFinish();
    EXPECT_EQ(run.phase(), RacePhase::finished);
    EXPECT_EQ(run.takeNewRecord(), (RaceRecord{1, {}}));
}

TEST(BlockKind, NamesCycleAndTints)
{
    for (const auto kind : {BlockKind::plain, BlockKind::start, BlockKind::checkpoint, BlockKind::finish}) {
        EXPECT_EQ(blockKindNamed(blockKindName(kind)), kind);
    }
    EXPECT_FALSE(blockKindNamed("Finish"));
    EXPECT_FALSE(blockKindNamed(""));
    EXPECT_EQ(nextBlockKind(BlockKind::plain), BlockKind::start);
    EXPECT_EQ(nextBlockKind(BlockKind::finish), BlockKind::plain);
    EXPECT_NE(blockKindTint(BlockKind::start), blockKindTint(BlockKind::checkpoint));
    EXPECT_EQ(blockKindTint(BlockKind::plain), glm::vec4(1.0f));
    EXPECT_EQ(blockKindTint(BlockKind::finish).a, 0.0f) << "the shader's mark for the check";
}

TEST(RaceStart, OnTheStartBlocksTopFaceElseAtTheSpawnPoint)
{
    const float standing = CharacterControllerComponent::standingHeight + 0.05f;
    std::vector<BlockPose> level{{{5, 5, 1}, {4, 4, 2}, glm::quat(1, 0, 0, 0), BlockKind::checkpoint}};
    EXPECT_EQ(raceStartPosition(level), glm::vec3(0, 0, 10));
    EXPECT_EQ(checkpointCountOf(level), 1u);
    EXPECT_FALSE(hasFinish(level));
    level.push_back({{1, 2, 3}, {4, 4, 1}, glm::quat(1, 0, 0, 0), BlockKind::start});
    EXPECT_EQ(raceStartPosition(level), glm::vec3(1, 2, 3.5f + standing));
    level[1].rotation = glm::angleAxis(glm::radians(180.0f), glm::vec3(1, 0, 0)); // upside down: -Z looks up
    EXPECT_LT(glm::distance(raceStartPosition(level), glm::vec3(1, 2, 3.5f + standing)), 1e-5f);
    level[1].rotation = glm::angleAxis(glm::radians(90.0f), glm::vec3(0, 1, 0)); // on its side: its x looks up
    EXPECT_LT(glm::distance(raceStartPosition(level), glm::vec3(1, 2, 5.0f + standing)), 1e-5f);
    const std::string hash = raceLevelHash(level);
    level[0].kind = BlockKind::finish;
    EXPECT_NE(raceLevelHash(level), hash) << "a changed kind is another level";
}

} // namespace

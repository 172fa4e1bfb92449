// The records file and the ghost file: round trips, and every kind of damage
// refused with its one-line message.
#include "Game/Race/GhostFile.h"
#include "Game/Race/GhostTrack.h"
#include "Game/Race/RaceSession.h"
#include "Game/Race/RecordsFile.h"
#include "Engine/Config/FileUtil.h"
#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <limits>

namespace {

using namespace Game;
using TestFiles::Bytes;

const std::string hashA = "0123456789abcdef";
const std::string hashB = "fedcba9876543210";

TEST(RecordsFile, RoundTripsAndNamesALevelByTheHashOfItsText)
{
    const RaceRecords records{{hashA, {127, {40, 85}}}, {hashB, {360000, {}}}};
    const std::string text = formatRecords(records);
    EXPECT_EQ(text, "[" + hashA + "]\nbest = 1.27\nsplit1 = 0.40\nsplit2 = 0.85\n[" + hashB + "]\nbest = 3600.00\n");
    const RecordsRead back = parseRecords("# best runs\n\n" + text, "r.cfg");
    ASSERT_TRUE(back.ok()) << back.error;
    EXPECT_EQ(back.records, records);
    EXPECT_EQ(parseRecords("[" + hashA + "]\n  best = 2.5  \nsplit1=1\n", "r.cfg").records.at(hashA),
              (RaceRecord{250, {100}}));

    EXPECT_EQ(levelHash(""), "cbf29ce484222325");
    EXPECT_EQ(levelHash("a"), "af63dc4c8601ec8c");
    EXPECT_NE(levelHash("[block0]\nx = 1\n"), levelHash("[block0]\nx = 2\n"));
}

TEST(RecordsFile, EachMalformedFileIsRefusedWithItsLineAndProblem)
{
    const std::string head = "[" + hashA + "]\n";
    const std::vector<std::pair<std::string, std::string>> rows{
        {"best = 1\n", "line 1: a key before the first section"},
        {"[level]\nbest = 1\n", "line 1: section [level] is not a level hash (16 hex digits)"},
        {"[0123456789ABCDEF]\n", "line 1: section [0123456789ABCDEF] is not a level hash (16 hex digits)"},
        {head + "best = 1\n" + head, "line 3: section [" + hashA + "] appears twice"},
        {head + "bestest = 1\n", "line 2: unknown key \"bestest\""},
        {head + "split0 = 1\n", "line 2: unknown key \"split0\""},
        {head + "split01 = 1\n", "line 2: unknown key \"split01\""},
        {head + "best = 1\nbest = 2\n", "line 3: key \"best\" appears twice"},
        {head + "best = 1.275\n", "line 2: best is not a time in seconds with at most two decimals (\"1.275\")"},
        {head + "best = -1\n", "line 2: best is not a time in seconds with at most two decimals (\"-1\")"},
        {head + "best = 1.\n", "line 2: best is not a time in seconds with at most two decimals (\"1.\")"},
        {head + "best = 1e3\n", "line 2: best is not a time in seconds with at most two decimals (\"1e3\")"},
        {head + "best =\n", "line 2: not a section, a \"key = seconds\" line or a comment"},
        {head + "best = 1 = 2\n", "line 2: not a single key = seconds"},
        {head + "best = 3600.01\n", "line 2: best is longer than an hour (3600.01 s)"},
        {head + "best\n", "line 2: not a section, a \"key = seconds\" line or a comment"},
        {head + "split1 = 1\n", "[" + hashA + "]: best is missing"},
        {head + "best = 3\nsplit2 = 1\n", "[" + hashA + "]: split2 without split1"},
        {head + "best = 3\nsplit1 = 2\nsplit2 = 1\n", "[" + hashA + "]: split2 is earlier than the split before it"},
        {head + "best = 3\nsplit1 = 3.01\n", "[" + hashA + "]: split1 is later than best"},
        {head + "best = 3\n[" + hashB + "]\n", "[" + hashB + "]: best is missing"},
    };
    for (const auto& [text, problem] : rows) {
        const RecordsRead read = parseRecords(text, "r.cfg");
        EXPECT_EQ(read.error, "r.cfg: " + problem) << text;
        EXPECT_TRUE(read.records.empty());
    }
    EXPECT_TRUE(parseRecords(head + "best = 3600\n", "r.cfg").ok());
    EXPECT_EQ(parseRecords(head + "best = 1\x01\n", "r.cfg").error,
              "r.cfg: line 2: best is not a time in seconds with at most two decimals (\"1\\x01\")");
}

TEST(RecordBook, MovesARefusedFileAsideBeforeWritingAndOtherwiseLeavesIt)
{
    TestFiles::TempDir dir;
    const std::string path = dir.path("records.cfg");
    RecordBook fresh(path);
    EXPECT_EQ(fresh.load(), "") << "no file yet: no records";
    EXPECT_FALSE(fresh.best(hashA));
    ASSERT_TRUE(fresh.save(hashA, {127, {40}}).ok());
    RecordBook again(path);
    EXPECT_EQ(again.load(), "");
    EXPECT_EQ(again.best(hashA), (RaceRecord{127, {40}}));

    TestFiles::writeText(path, "[oops]\n");
    RecordBook damaged(path);
    EXPECT_EQ(damaged.load(), path + ": line 1: section [oops] is not a level hash (16 hex digits)");
    EXPECT_EQ(FileUtil::readFile(path), "[oops]\n") << "loading leaves the file alone";
    ASSERT_TRUE(damaged.save(hashB, {90, {}}).ok());
    EXPECT_EQ(FileUtil::readFile(path + ".refused"), "[oops]\n");
    EXPECT_EQ(FileUtil::readFile(path), "[" + hashB + "]\nbest = 0.90\n");

    std::filesystem::remove(path);
    std::filesystem::create_directory(path); // unreadable, and cannot be moved over the old copy
    std::filesystem::create_directory(path + "/keep");
    RecordBook folder(path);
    EXPECT_NE(folder.load(), "");
    const Engine::Status refused = folder.save(hashB, {90, {}});
    EXPECT_EQ(refused.message().rfind(path + ": cannot keep the refused file as " + path + ".refused: ", 0), 0u)
        << refused.message();
    EXPECT_TRUE(std::filesystem::is_directory(path + "/keep"));
}

std::vector<GhostSample> someSamples()
{
    return {{{1.5f, -2.0f, 0.505f}, 0.0f}, {{1.6f, -2.0f, 0.505f}, 90.0f}, {{-1e6f, 3e-7f, 12.25f}, -45.5f}};
}

Bytes ghostHead(uint32_t count)
{
    return std::move(Bytes().text("cghost").u16(1).u32(count));
}

TEST(GhostFile, RoundTripsInTheDocumentedLayout)
{
    TestFiles::TempDir dir;
    const std::string path = dir.path("a.ghost");
    ASSERT_TRUE(writeGhostFile(path, someSamples()).ok());
    Bytes expected = ghostHead(3);
    for (const GhostSample& s : someSamples()) expected.floats({s.position.x, s.position.y, s.position.z, s.yaw});
    EXPECT_EQ(TestFiles::readBytes(path), expected.data);
    EXPECT_EQ(readGhostFile(path), someSamples());
    EXPECT_FALSE(writeGhostFile(dir.path("none/a.ghost"), someSamples()).ok());
}

TEST(GhostFile, DamagedFilesAreRefusedWithTheirProblem)
{
    TestFiles::TempDir dir;
    const std::string path = dir.path("bad.ghost");
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();
    const std::vector<std::pair<Bytes, std::string>> rows{
        {Bytes(), "truncated: magic needs 6 bytes, 0 left"},
        {Bytes().text("cmesh1").u16(1).u32(1).floats({0, 0, 0, 0}), "not a ghost file (magic \"cmesh1\")"},
        {Bytes().text("cghost").u8(1), "truncated: version needs 2 bytes, 1 left"},
        {Bytes().text("cghost").u16(2).u32(1).floats({0, 0, 0, 0}), "version 2 is not supported (1 expected)"},
        {ghostHead(0), "no samples"},
        {ghostHead(360001), "360001 samples, more than 360000"},
        {ghostHead(2).floats({0, 0, 0, 0, 1, 1, 1}), "truncated: samples needs 32 bytes, 28 left"},
        {ghostHead(1).floats({0, 0, 0, 0}).u8(0), "1 unexpected bytes after the last field"},
        {ghostHead(2).floats({0, 0, 0, 0, 1, nan, 1, 1}), "sample 1 holds a value that is not finite"},
        {ghostHead(1).floats({0, 0, 0, -inf}), "sample 0 holds a value that is not finite"},
    };
    for (const auto& [bytes, problem] : rows) {
        TestFiles::writeBytes(path, bytes.data);
        EXPECT_EQ(TestFiles::rejection(readGhostFile, path), path + ": " + problem);
    }
    EXPECT_EQ(TestFiles::rejection(readGhostFile, dir.path("none")), dir.path("none") + ": cannot open the file");
}

TEST(GhostTrack, PlaysBackInStepAndStaysAtItsEnd)
{
    GhostTrack track(someSamples());
    EXPECT_EQ(track.at(0), someSamples()[0]);
    EXPECT_EQ(track.at(2), someSamples()[2]);
    EXPECT_EQ(track.at(1000), someSamples()[2]);
    GhostTrack recording;
    for (const GhostSample& s : someSamples()) recording.record(s);
    EXPECT_EQ(recording.recorded(), someSamples());
    recording.clear();
    EXPECT_TRUE(recording.empty());
    EXPECT_DEATH(recording.at(0), "a ghost without samples has no position");
}

// A session over files in a private folder, stepped by hand.
class RaceSessionTest : public ::testing::Test {
protected:
    RaceSession session(std::size_t checkpoints = 1)
    {
        RaceSession race(hashA, checkpoints, startPose, {dir.path("records.cfg"), dir.path("ghosts")});
        race.load();
        return race;
    }
    // `steps` steps walking along +X, touching what is given on the last one.
    void walk(RaceSession& race, int steps, std::vector<std::pair<uint32_t, BlockKind>> touching = {})
    {
        for (int i = 0; i < steps; ++i) {
            x += 0.1f;
            RaceStepInput input{true, false, false, false, false, {{x, 0, 1}, {10, 0, 0}}, 0.0f, {}};
            if (i == steps - 1) input.touching = touching;
            EXPECT_FALSE(race.step(input));
        }
    }

    TestFiles::TempDir dir;
    const PlayerPose startPose{{0, 0, 1}, {0, 0, 0}};
    float x = 0.0f;
};

TEST_F(RaceSessionTest, ABeatenRecordIsWrittenWithItsGhostWhichTheNextSessionShowsInStep)
{
    RaceSession first = session();
    EXPECT_FALSE(first.ghostShown());
    walk(first, 30, {{7, BlockKind::checkpoint}});
    walk(first, 20, {{8, BlockKind::finish}, {9, BlockKind::plain}});
    ASSERT_EQ(first.run().phase(), RacePhase::finished);
    EXPECT_EQ(FileUtil::readFile(dir.path("records.cfg")), "[" + hashA + "]\nbest = 0.50\nsplit1 = 0.30\n");
    const std::vector<GhostSample> ghost = readGhostFile(dir.path("ghosts/" + hashA + ".ghost"));
    ASSERT_EQ(ghost.size(), 50u);
    EXPECT_NEAR(ghost.back().position.x, 5.0f, 1e-4f);

    RaceSession second = session();
    EXPECT_EQ(second.run().bestRun(), (RaceRecord{50, {30}}));
    ASSERT_TRUE(second.ghostShown());
    EXPECT_EQ(second.ghostNow(), ghost[0]) << "waiting at the start";
    x = 0.0f;
    walk(second, 10);
    EXPECT_EQ(second.ghostNow(), ghost[9]);
    walk(second, 100, {{7, BlockKind::checkpoint}});
    EXPECT_EQ(second.ghostNow(), ghost.back()) << "its run has ended";
    EXPECT_FALSE(second.step({false, false, false, true, false, {}, 0.0f, {}}));
    EXPECT_FALSE(second.ghostShown()) << "G hides it";

    const PlayerPlacement back = second.step({false, false, true, false, false, {}, 0.0f, {}});
    ASSERT_TRUE(back);
    EXPECT_LT(glm::distance(back->position, glm::vec3(11.0f, 0, 1)), 1e-4f) << "where the checkpoint was touched";
    EXPECT_EQ(back->velocity, glm::vec3(10, 0, 0));
    const PlayerPlacement restart = second.step({false, true, false, false, false, {}, 0.0f, {}});
    ASSERT_TRUE(restart);
    EXPECT_EQ(restart->position, startPose.position);
    EXPECT_EQ(second.run().phase(), RacePhase::waiting);
    EXPECT_FALSE(second.step({false, false, true, false, false, {}, 0.0f, {}})) << "no checkpoint since the restart";

    walk(second, 60, {{7, BlockKind::checkpoint}});
    walk(second, 1, {{8, BlockKind::finish}});
    EXPECT_EQ(second.run().phase(), RacePhase::finished);
    EXPECT_EQ(readGhostFile(dir.path("ghosts/" + hashA + ".ghost")).size(), 50u) << "slower: nothing written";
    EXPECT_EQ(FileUtil::readFile(dir.path("records.cfg")), "[" + hashA + "]\nbest = 0.50\nsplit1 = 0.30\n");
}

TEST_F(RaceSessionTest, APlayTestFinishesItsRunButWritesNeitherRecordNorGhost)
{
    RaceSession trial(hashA, 0, startPose, {dir.path("records.cfg"), dir.path("ghosts"), false});
    trial.load();
    walk(trial, 20, {{8, BlockKind::finish}});
    EXPECT_EQ(trial.run().phase(), RacePhase::finished);
    EXPECT_FALSE(std::filesystem::exists(dir.path("records.cfg")));
    EXPECT_FALSE(std::filesystem::exists(dir.path("ghosts")));
}

TEST_F(RaceSessionTest, PauseHoldsTheRunAndDamagedFilesAreReportedOnOneLineEach)
{
    std::filesystem::create_directory(dir.path("ghosts"));
    TestFiles::writeBytes(dir.path("ghosts/" + hashA + ".ghost"), ghostHead(0).data);
    TestFiles::writeText(dir.path("records.cfg"), "best = 1\n");
    ::testing::internal::CaptureStderr();
    RaceSession race = session();
    EXPECT_EQ(::testing::internal::GetCapturedStderr(),
              "RECORDS FILE " + dir.path("records.cfg") + ": line 1: a key before the first section; racing without "
              "best times\nGHOST FILE " + dir.path("ghosts/" + hashA + ".ghost") + ": no samples; racing without a ghost\n");
    EXPECT_FALSE(race.ghostShown());
    walk(race, 5);
    race.step({true, false, false, false, true, {}, 0.0f, {{8, BlockKind::finish}}});
    EXPECT_EQ(race.run().elapsedSteps(), 5u);
    EXPECT_EQ(race.run().phase(), RacePhase::running) << "a paused step touches nothing";
}

} // namespace

#include "tests/Game/Editor/EditorFixture.h"

#include "Engine/Config/FileUtil.h"
#include "Engine/Config/IniReader.h"
#include "Game/Editor/BlockEdits.h"

#include <fstream>

namespace {

using Game::BlockPose;

const std::string validBlock = "x = 1\ny = -2.5\nz = 3\nsx = 2\nsy = 2\nsz = 0.5\nqw = 1\nqx = 0\nqy = 0\nqz = 0\n";

std::string replaced(std::string text, const std::string& from, const std::string& to)
{
    return text.replace(text.find(from), from.size(), to);
}

Game::LevelRead parsed(const std::string& text, std::size_t maxBlocks = 10)
{
    return Game::parseLevel(parseIniLines(FileUtil::split(text, '\n')), maxBlocks);
}

TEST(LevelFile, SavedLevelReadsBackInOrderAndLeavesNoTemporaryFile)
{
    const std::string path = ::testing::TempDir() + "level_round_trip.cfg";
    const std::vector<BlockPose> level{
        {{-12.25f, 3.5f, 0.1f}, {2.0f, 0.1f, 9.75f}, glm::angleAxis(0.5236f, glm::normalize(glm::vec3(1, 2, 3)))},
        {{0.0f, 0.0f, 1.0f}, {2.0f, 2.0f, 2.0f}, glm::quat(1, 0, 0, 0)}};
    ASSERT_EQ(Game::writeLevelFile(path, level), "");
    const Game::LevelRead back = Game::readLevelFile(path, 10);
    ASSERT_TRUE(back.ok()) << back.error;
    ASSERT_EQ(back.blocks.size(), level.size());
    for (std::size_t i = 0; i < level.size(); ++i) {
        for (int k = 0; k < 3; ++k) {
            EXPECT_NEAR(back.blocks[i].position[k], level[i].position[k], 1e-6f);
            EXPECT_NEAR(back.blocks[i].size[k], level[i].size[k], 1e-6f);
        }
        EXPECT_NEAR(glm::dot(back.blocks[i].rotation, level[i].rotation), 1.0f, 1e-6f);
    }
    EXPECT_FALSE(std::ifstream(path + ".tmp"));
    EXPECT_NE(Game::writeLevelFile(::testing::TempDir() + "no_such_folder/level.cfg", level), "");
}

TEST(LevelFile, EachMalformedFileIsRefusedWithItsProblem)
{
    const std::string block0 = "[block0]\n" + validBlock;
    const std::vector<std::pair<std::string, std::string>> rows{
        {replaced(block0, "qz = 0\n", ""), "block0: qz is missing or not a number"},
        {replaced(block0, "y = -2.5", "y = 2,5"), "block0: y is missing or not a number"},
        {replaced(block0, "y = -2.5", "y = 1e3"), "block0: y is missing or not a number"},
        {replaced(block0, "sy = 2", "sy = 0"), "block0: a size is zero or negative"},
        {replaced(block0, "sz = 0.5", "sz = -1"), "block0: a size is zero or negative"},
        {replaced(block0, "qx = 0", "qx = 0.5"), "block0: the rotation is not a unit quaternion"},
        {block0 + "[block1]\n" + validBlock + "[block2]\n" + validBlock, "more than 2 blocks"},
        {block0 + "[block2]\n" + validBlock, "unexpected section [block2]"},
        {"x = 1\n" + block0, "keys before the first block"},
    };
    for (const auto& [text, problem] : rows) {
        const Game::LevelRead level = parsed(text, 2);
        EXPECT_EQ(level.error, problem) << text;
        EXPECT_TRUE(level.blocks.empty());
    }
    EXPECT_TRUE(parsed(block0 + "[block1]\n" + validBlock, 2).ok());
    EXPECT_TRUE(parsed("", 2).ok()) << "a saved empty level";
}

using LevelFileLoading = GameTesting::EditorFixture;

TEST_F(LevelFileLoading, AnUnusableFileIsReportedOnceAndTheGeneratedLevelBuiltWithoutTouchingIt)
{
    const std::string path = ::testing::TempDir() + "level_malformed.cfg";
    const std::string text = "[block0]\n" + replaced(validBlock, "sx = 2", "sx = 0");
    std::ofstream(path) << text;
    ::testing::internal::CaptureStderr();
    Game::createLevelFromFileOrGenerator(map, t.world, path);
    EXPECT_EQ(::testing::internal::GetCapturedStderr(),
              "LEVEL FILE " + path + ": block0: a size is zero or negative; the generated level is used\n");
    EXPECT_EQ(map.blocks.size(), 156u);
    EXPECT_EQ(FileUtil::readFile(path), text);
}

} // namespace

#include <gtest/gtest.h>

#include "tests/support/TestFiles.h"

#include "Engine/Config/FileUtil.h"
#include "Game/Editor/BlockEdits.h"

#include <cmath>
#include <filesystem>
#include <limits>
#include <random>

namespace {

using Game::BlockPose;

const std::string validBlock = "x = 1\ny = -2.5\nz = 3\nsx = 2\nsy = 2\nsz = 0.5\nqw = 1\nqx = 0\nqy = 0\nqz = 0\n";
const std::string block0 = "[block0]\n" + validBlock;

std::string replaced(std::string text, const std::string& from, const std::string& to)
{
    return text.replace(text.find(from), from.size(), to);
}

std::string withLineEnds(std::string text, const std::string& end)
{
    for (std::size_t at = text.find('\n'); at != std::string::npos; at = text.find('\n', at + end.size()))
        text.replace(at, 1, end);
    return text;
}

// The error, or "N blocks" when the text was used.
std::string outcome(const std::string& text, std::size_t maxBlocks = 2)
{
    const Game::LevelRead level = Game::parseLevel(text, maxBlocks);
    EXPECT_TRUE(level.ok() || level.blocks.empty()) << text;
    return level.ok() ? std::to_string(level.blocks.size()) + " blocks" : level.error;
}

TEST(LevelFile, EachTextIsReadOrRefusedWithItsLine)
{
    const std::pair<std::string, std::string> rows[] = {
        // What is a level: only blank and comment lines make an empty one.
        {"", "0 blocks"},
        {"\n  \n# saved by hand\n; and so on\r\n", "0 blocks"},
        {block0 + "[block1]\n" + validBlock, "2 blocks"},
        {"\xEF\xBB\xBF# mark\r\n" + withLineEnds(block0, "\r\n"), "1 blocks"},
        {withLineEnds(replaced(block0, "x = 1", "x = 1e0"), "\r"), "1 blocks"},
        {replaced(block0, "sx = 2", "  sx\t=  +2.  # wide"), "1 blocks"},
        {"garbage\n" + block0, "line 1: not a [blockN] header, a key = number line or a comment"},
        {std::string("\x7f" "ELF\x02\x01\x01\0\0", 9), "line 1: not a [blockN] header, a key = number line or a comment"},
        {"\xEF\xBB\xBF[block0]\n[block1]\n", "block0: x is missing"},
        {"[block0]\n", "block0: x is missing"},
        // Numbers are read whole and must be finite.
        {replaced(block0, "y = -2.5", "y = 2,5"), "line 3: y = 2,5 is not a number"},
        {replaced(block0, "y = -2.5", "y = -"), "line 3: y = - is not a number"},
        {replaced(block0, "y = -2.5", "y = ."), "line 3: y = . is not a number"},
        {replaced(block0, "y = -2.5", "y = +"), "line 3: y = + is not a number"},
        {replaced(block0, "y = -2.5", "y = 1.5.2"), "line 3: y = 1.5.2 is not a number"},
        {replaced(block0, "y = -2.5", "y = inf"), "line 3: y = inf is not a number"},
        {replaced(block0, "y = -2.5", "y = nan"), "line 3: y = nan is not a number"},
        {replaced(block0, "y = -2.5", "y = 0x10"), "line 3: y = 0x10 is not a number"},
        {replaced(block0, "y = -2.5", "y = " + std::string(50, '9')), "line 3: y = " + std::string(50, '9')
                                                                        + " is out of a float's range"},
        {replaced(block0, "y = -2.5", "y = 1e-50"), "line 3: y = 1e-50 is out of a float's range"},
        // Limits: what loads can be saved and loaded again.
        {replaced(block0, "z = 3", "z = -10000"), "1 blocks"},
        {replaced(block0, "z = 3", "z = -10000.01"), "line 4: z = -10000.01 is farther than 10000 m from the origin"},
        {replaced(block0, "sz = 0.5", "sz = 0.1"), "1 blocks"},
        {replaced(block0, "sz = 0.5", "sz = 5e-7"), "line 7: sz = 5e-7 is not a side from 0.1 to 10000 m"},
        {replaced(block0, "sz = 0.5", "sz = 0"), "line 7: sz = 0 is not a side from 0.1 to 10000 m"},
        {replaced(block0, "sz = 0.5", "sz = 10001"), "line 7: sz = 10001 is not a side from 0.1 to 10000 m"},
        {replaced(block0, "qx = 0", "qx = 0.5"), "block0: the rotation is not a unit quaternion"},
        // Structure: each section and key once, in order, by name.
        {replaced(block0, "qz = 0\n", ""), "block0: qz is missing"},
        {"x = 1\n" + block0, "line 1: keys before the first block"},
        {block0 + "[block2]\n" + validBlock, "line 12: unexpected section [block2]"},
        {block0 + "[block0]\n" + validBlock, "line 12: section [block0] appears twice"},
        {block0 + "[block1]\n" + validBlock + "[block2]\n" + validBlock, "line 23: more than 2 blocks"},
        {"[ block0 ]\n" + validBlock, "line 1: unexpected section [ block0 ]"},
        {block0 + "x = 2\n", "line 12: key x appears twice in [block0]"},
        {block0 + "w = 2\n", "line 12: unknown key w in [block0]"},
        {replaced(block0, "x = 1", "x == 1"), "line 2: not a single key = number"},
        {replaced(block0, "x = 1", "x = 1 = 2"), "line 2: not a single key = number"},
        // The kind: a word, once per block, one start per level.
        {block0 + "kind = finish\n[block1]\nkind = start\n" + validBlock, "2 blocks"},
        {block0 + "kind = Finish\n", "line 12: kind = Finish is not plain, start, checkpoint or finish"},
        {block0 + "kind = 1\n", "line 12: kind = 1 is not plain, start, checkpoint or finish"},
        {block0 + "kind = plain\nkind = plain\n", "line 13: key kind appears twice in [block0]"},
        {block0 + "kind = start\n[block1]\nkind = start\n", "line 14: kind = start in [block1], but [block0] is the start"},
        {"kind = start\n" + block0, "line 1: keys before the first block"},
        {replaced(block0, "x = 1", "x ="), "line 2: not a [blockN] header, a key = number line or a comment"},
    };
    for (const auto& [text, expected] : rows) EXPECT_EQ(outcome(text), expected) << text;
}

BlockPose randomBlock(std::mt19937& random)
{
    const float extremes[] = {Game::levelExtent, -Game::levelExtent, 0.0f, -0.0f, 1e-45f, -1.17549435e-38f};
    const float sides[] = {Game::smallestBlockSide, Game::largestBlockSide, 1.0f / 3.0f};
    std::uniform_real_distribution<float> anywhere(-Game::levelExtent, Game::levelExtent), side(0.1f, 10000.0f);
    std::uniform_int_distribution<int> pick(0, 7);
    auto coordinate = [&] { return pick(random) < 6 ? extremes[pick(random) % 6] : anywhere(random); };
    auto length = [&] { return pick(random) < 3 ? sides[pick(random) % 3] : side(random); };
    const glm::quat turn(anywhere(random), anywhere(random), anywhere(random), pick(random) < 2 ? 0.0f : anywhere(random));
    return {{coordinate(), coordinate(), coordinate()}, {length(), length(), length()}, glm::normalize(turn)};
}

// Whatever the editor holds within the limits comes back bit for bit.
TEST(LevelFile, RandomLevelsWithExtremeValuesReadBackExactly)
{
    std::mt19937 random(20261207);
    for (int level = 0; level < 200; ++level) {
        std::vector<BlockPose> blocks(1 + level % 7);
        for (std::size_t i = 0; i < blocks.size(); ++i) {
            blocks[i] = randomBlock(random);
            const Game::BlockKind others[] = {Game::BlockKind::plain, Game::BlockKind::checkpoint, Game::BlockKind::finish};
            blocks[i].kind = i == 1 ? Game::BlockKind::start : others[(level + i) % 3];
        }
        const Game::LevelRead back = Game::parseLevel(Game::formatLevel(blocks), 10);
        ASSERT_TRUE(back.ok()) << back.error << "\n" << Game::formatLevel(blocks);
        EXPECT_EQ(back.blocks, blocks) << Game::formatLevel(blocks);
    }
}

TEST(LevelFile, ASaveKeepsAFileTheGameCouldNotUseAsTheRefusedCopy)
{
    const TestFiles::TempDir folder;
    const std::string path = folder.path("level.cfg"), kept = path + ".refused";
    const std::vector<BlockPose> level{{{-12.25f, 3.5f, 0.1f}, {2.0f, 0.1f, 9.75f}, glm::quat(1, 0, 0, 0)}};
    auto save = [&] {
        const Game::LevelSave saved = Game::saveLevelFile(path, level, 10);
        EXPECT_TRUE(saved.status.ok()) << saved.status.message();
        EXPECT_EQ(Game::readLevelFile(path, 10).blocks, level);
        return saved.keptRefused;
    };
    EXPECT_FALSE(save()) << "no file yet";
    EXPECT_FALSE(save()) << "a file the game reads";
    TestFiles::writeText(path, "first refusal");
    EXPECT_TRUE(save());
    EXPECT_EQ(FileUtil::readFile(kept), "first refusal\n");
    TestFiles::writeText(path, "second refusal");
    EXPECT_TRUE(save());
    EXPECT_EQ(FileUtil::readFile(kept), "second refusal\n");
    std::filesystem::remove(kept);
    std::filesystem::remove(path);
    std::filesystem::create_directories(path + "/inside");
    EXPECT_EQ(Game::readLevelFile(path, 10).error, "Is a directory");
    EXPECT_TRUE(save());
    EXPECT_TRUE(std::filesystem::is_directory(kept + "/inside"));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.folder()), {}), 2) << "a temporary file left";
}

} // namespace

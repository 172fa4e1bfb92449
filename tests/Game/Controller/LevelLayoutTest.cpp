#include "Game/Editor/Level.h"

#include <gtest/gtest.h>

using namespace Game;

namespace {

constexpr size_t randomBlocks = 150;
constexpr size_t fixedBlocks = 6;

// The first values of the C library generator the level is built with
// (seed 1), as every program using that generator sees them.
constexpr float firstDraws[] = {41, 18467, 6334, 26500, 19169, 15724};
constexpr float largest = 32767.0f;

void expectVec(const glm::vec3& actual, const glm::vec3& expected, const char* what)
{
    EXPECT_LT(glm::length(actual - expected), 1e-4f) << what;
}

} // namespace

TEST(LevelLayout, HundredFiftyRandomBlocksThenSixFixedOnes)
{
    const std::vector<BlockPlacement> blocks = levelBlockPlacements();
    ASSERT_EQ(blocks.size(), randomBlocks + fixedBlocks);
    const BlockPlacement fixed[] = {
        {{-4, 0, 1.2f}, {4, 4, 0.2f}}, {{-8, 0, 0}, {4, 4, 0.2f}},   {{0, -6, 0}, {2, 2, 5}},
        {{2.6f, -6, 0}, {2, 2, 5}},    {{2.6f, -12, 10}, {2, 10, 20}}, {{8, 8, 1.05f}, {10, 10, 0.1f}},
    };
    for (size_t i = 0; i < fixedBlocks; ++i) {
        expectVec(blocks[randomBlocks + i].position, fixed[i].position, "fixed block position");
        expectVec(blocks[randomBlocks + i].size, fixed[i].size, "fixed block size");
    }
}

TEST(LevelLayout, FirstRandomBlockDrawsSizeZYXThenPositionZYX)
{
    const BlockPlacement first = levelBlockPlacements().front();
    const glm::vec3 size(firstDraws[2] / largest * 9 + 1, firstDraws[1] / largest * 9 + 1,
                         firstDraws[0] / largest * 9 + 1);
    const glm::vec3 position(firstDraws[5] / largest * 60 - 30, firstDraws[4] / largest * 60 - 30,
                             firstDraws[3] / largest * 30);
    expectVec(first.size, size, "size");
    expectVec(first.position, position, "position");
}

TEST(LevelLayout, RandomBlocksStayWithinTheirRangesAndRepeatOnEveryRun)
{
    const std::vector<BlockPlacement> blocks = levelBlockPlacements();
    const std::vector<BlockPlacement> again = levelBlockPlacements();
    const glm::vec3 lowest(-30.0f, -30.0f, 0.0f);
    const glm::vec3 highest(30.0f);
    for (size_t i = 0; i < randomBlocks; ++i) {
        SCOPED_TRACE(testing::Message() << "block " << i);
        EXPECT_TRUE(glm::all(glm::greaterThanEqual(blocks[i].size, glm::vec3(1.0f))));
        EXPECT_TRUE(glm::all(glm::lessThanEqual(blocks[i].size, glm::vec3(10.0f))));
        EXPECT_TRUE(glm::all(glm::greaterThanEqual(blocks[i].position, lowest)));
        EXPECT_TRUE(glm::all(glm::lessThanEqual(blocks[i].position, highest)));
        EXPECT_EQ(blocks[i].position, again[i].position);
        EXPECT_EQ(blocks[i].size, again[i].size);
    }
}

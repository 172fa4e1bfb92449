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
    EXPECT_NEAR(actual.x, expected.x, 1e-4f) << what;
    EXPECT_NEAR(actual.y, expected.y, 1e-4f) << what;
    EXPECT_NEAR(actual.z, expected.z, 1e-4f) << what;
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

TEST(LevelLayout, RandomBlocksStayWithinTheirRanges)
{
    const std::vector<BlockPlacement> blocks = levelBlockPlacements();
    for (size_t i = 0; i < randomBlocks; ++i) {
        for (int axis = 0; axis < 3; ++axis) {
            EXPECT_GE(blocks[i].size[axis], 1.0f);
            EXPECT_LE(blocks[i].size[axis], 10.0f);
        }
        EXPECT_GE(blocks[i].position.x, -30.0f);
        EXPECT_LE(blocks[i].position.x, 30.0f);
        EXPECT_GE(blocks[i].position.y, -30.0f);
        EXPECT_LE(blocks[i].position.y, 30.0f);
        EXPECT_GE(blocks[i].position.z, 0.0f);
        EXPECT_LE(blocks[i].position.z, 30.0f);
    }
}

TEST(LevelLayout, TheSameLevelOnEveryRun)
{
    const std::vector<BlockPlacement> once = levelBlockPlacements();
    const std::vector<BlockPlacement> again = levelBlockPlacements();
    ASSERT_EQ(once.size(), again.size());
    for (size_t i = 0; i < once.size(); ++i) {
        EXPECT_EQ(once[i].position, again[i].position);
        EXPECT_EQ(once[i].size, again[i].size);
    }
}

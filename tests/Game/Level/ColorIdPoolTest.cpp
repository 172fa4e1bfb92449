#include "Game/Level/ColorIdPool.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

using Game::ColorId;
using Game::ColorIdPool;
using Bytes = std::tuple<int, int, int>;

Bytes bytes(const ColorId& id)
{
    return {id.b0, id.b1, id.b2};
}

TEST(ColorIdPool, CountsFirstByteFastestAndCarriesIntoTheNextBytes)
{
    struct Row {
        uint8_t b0, b1;
        int skipped;
        std::vector<Bytes> expected;
    };
    const std::vector<Row> rows{
        {0, 0, 0, {{0, 0, 1}, {1, 0, 1}, {2, 0, 1}}},
        {0, 0, 255, {{255, 0, 1}, {0, 1, 1}, {1, 1, 1}}},
        {255, 255, 0, {{255, 255, 1}, {0, 0, 2}}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.skipped);
        ColorIdPool pool;
        pool.b0 = row.b0;
        pool.b1 = row.b1;
        for (int i = 0; i < row.skipped; ++i) pool.take();
        for (const Bytes& expected : row.expected) EXPECT_EQ(bytes(pool.take()), expected);
    }
}

TEST(ColorIdPool, ReleasedIdsComeBackNewestFirstBeforeTheCountGoesOn)
{
    ColorIdPool pool;
    const ColorId first = pool.take();
    const ColorId second = pool.take();
    pool.release(first);
    pool.release(second);

    EXPECT_EQ(pool.take(), second);
    EXPECT_EQ(pool.take(), first);
    EXPECT_EQ(bytes(pool.take()), Bytes(2, 0, 1));
    EXPECT_TRUE(pool.released.empty());
}

TEST(ColorIdPoolDeathTest, TakingPastTheLastIdIsAnError)
{
    ColorIdPool pool;
    pool.b0 = 255;
    pool.b1 = 255;
    pool.b2 = 255;
    EXPECT_EQ(bytes(pool.take()), Bytes(255, 255, 255));
    EXPECT_DEATH(pool.take(), "colour id pool exhausted");
}

} // namespace

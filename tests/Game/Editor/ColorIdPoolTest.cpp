#include "Game/Editor/ColorIdPool.h"

#include <gtest/gtest.h>

#include <set>
#include <tuple>

namespace {

using Game::ColorId;
using Game::ColorIdPool;

std::tuple<int, int, int> bytes(const ColorId& id)
{
    return {id.b0, id.b1, id.b2};
}

TEST(ColorIdPool, CountsTheFirstByteFastestWithTheThirdAtOne)
{
    ColorIdPool pool;
    EXPECT_EQ(bytes(pool.take()), std::make_tuple(0, 0, 1));
    EXPECT_EQ(bytes(pool.take()), std::make_tuple(1, 0, 1));
    EXPECT_EQ(bytes(pool.take()), std::make_tuple(2, 0, 1));
}

TEST(ColorIdPool, TheFirstByteWrapsIntoTheSecond)
{
    ColorIdPool pool;
    for (int i = 0; i < 255; ++i) pool.take();
    EXPECT_EQ(bytes(pool.take()), std::make_tuple(255, 0, 1));
    EXPECT_EQ(bytes(pool.take()), std::make_tuple(0, 1, 1));
    EXPECT_EQ(bytes(pool.take()), std::make_tuple(1, 1, 1));
}

TEST(ColorIdPool, PastTheSecondByteTheCountGoesOnInTheThird)
{
    ColorIdPool pool;
    pool.b0 = 255;
    pool.b1 = 255;
    EXPECT_EQ(bytes(pool.take()), std::make_tuple(255, 255, 1));
    EXPECT_EQ(bytes(pool.take()), std::make_tuple(0, 0, 2));
}

TEST(ColorIdPool, IdsStayUniqueBeyondTheFirstSixtyFiveThousand)
{
    constexpr int count = 70000;
    ColorIdPool pool;
    std::set<std::tuple<int, int, int>> seen;
    for (int i = 0; i < count; ++i) seen.insert(bytes(pool.take()));
    EXPECT_EQ(seen.size(), static_cast<size_t>(count));
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
    EXPECT_EQ(bytes(pool.take()), std::make_tuple(2, 0, 1));
    EXPECT_TRUE(pool.released.empty());
}

TEST(ColorIdPool, AnIdIsSeenByShadersAsItsBytesOver255)
{
    const glm::vec3 colour = ColorId{255, 0, 51}.toColor();
    EXPECT_FLOAT_EQ(colour.r, 1.0f);
    EXPECT_FLOAT_EQ(colour.g, 0.0f);
    EXPECT_FLOAT_EQ(colour.b, 0.2f);
}

TEST(ColorIdPoolDeathTest, TakingPastTheLastIdIsAnError)
{
    ColorIdPool pool;
    pool.b0 = 255;
    pool.b1 = 255;
    pool.b2 = 255;
    EXPECT_EQ(bytes(pool.take()), std::make_tuple(255, 255, 255));
    EXPECT_DEATH(pool.take(), "colour id pool exhausted");
}

} // namespace

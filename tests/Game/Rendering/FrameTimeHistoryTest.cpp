#include "Game/Rendering/FrameTimeHistory.h"

#include <gtest/gtest.h>

namespace {

using Game::FrameTimeHistory;
using Layout = Game::FrameGraphLayout;
constexpr size_t floatsPerVertex = 6;

// Past its capacity the ring keeps the newest frames, oldest first.
TEST(FrameTimeHistory, KeepsTheLast240FramesOldestFirst)
{
    FrameTimeHistory history;
    for (int i = 0; i < 3; ++i) history.add(static_cast<float>(i));
    EXPECT_EQ(history.size(), 3u);
    EXPECT_EQ(history[0], 0.0f);
    EXPECT_EQ(history[2], 2.0f);
    for (int i = 3; i < 250; ++i) history.add(static_cast<float>(i));
    EXPECT_EQ(history.size(), FrameTimeHistory::capacity);
    EXPECT_EQ(history[0], 10.0f);
    EXPECT_EQ(history[FrameTimeHistory::capacity - 1], 249.0f);
}

// One upright line per frame, as tall as its time and cut at the graph's
// top, coloured by the level it passes; then the 60 and 30 fps lines across.
TEST(FrameTimeHistory, GraphLinesRiseWithTheFrameTimeAndTheLevelLinesCrossTheWholeGraph)
{
    FrameTimeHistory history;
    const float times[] = {10.0f, 16.0f, 17.0f, 33.0f, 34.0f, 500.0f};
    for (float time : times) history.add(time);
    const glm::vec2 corner(100.0f, 50.0f);
    const std::vector<float> v = Game::frameGraphVertices(history, corner);
    ASSERT_EQ(v.size(), (std::size(times) + 2) * 2 * floatsPerVertex);
    auto vertex = [&](size_t i) { return glm::vec2(v[i * floatsPerVertex], v[i * floatsPerVertex + 1]); };
    auto colour = [&](size_t i) { return glm::vec3(v[i * 6 + 3], v[i * 6 + 4], v[i * 6 + 5]); };
    const float tops[] = {20.0f, 32.0f, 34.0f, 66.0f, 68.0f, Layout::height};
    for (size_t i = 0; i < std::size(times); ++i) {
        EXPECT_EQ(vertex(2 * i), glm::vec2(100.5f + i, 50.0f)) << i;
        EXPECT_EQ(vertex(2 * i + 1), glm::vec2(100.5f + i, 50.0f + tops[i])) << i;
    }
    EXPECT_EQ(colour(0), colour(2)) << "both under 16.7 ms";
    EXPECT_NE(colour(2), colour(4));
    EXPECT_EQ(colour(4), colour(6)) << "both between 16.7 and 33.3 ms";
    EXPECT_NE(colour(6), colour(8));
    EXPECT_EQ(colour(8), colour(10)) << "both over 33.3 ms";
    for (size_t line = 0; line < 2; ++line) {
        const size_t first = 2 * std::size(times) + 2 * line;
        const float y = 50.0f + Layout::levels[line] * Layout::pixelsPerMillisecond + 0.5f;
        EXPECT_EQ(vertex(first), glm::vec2(100.0f, y));
        EXPECT_EQ(vertex(first + 1), glm::vec2(100.0f + Layout::width, y));
    }
    EXPECT_NEAR(Layout::levels[0], 16.7f, 0.05f);
    EXPECT_NEAR(Layout::levels[1], 33.3f, 0.05f);
}

} // namespace

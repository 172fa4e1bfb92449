#include "Game/UI/MenuLayout.h"
#include "Game/UI/MenuNavigation.h"

#include <gtest/gtest.h>

// Rows step down from the centre; each half is rounded down on its own
// (640 - 127 and 360 - 31, not half of the 1025 and 657 free pixels).
TEST(MenuLayout, MainMenuRowsStepDownFromTheCentreRoundingEachHalfDown)
{
    const struct { glm::ivec2 button; int row; glm::ivec2 corner; } rows[] = {
        {{256, 64}, 0, {512, 328}}, {{256, 64}, 1, {512, 264}}, {{256, 64}, 3, {512, 136}}, {{255, 63}, 0, {513, 329}},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(UI::menuButtonCorner(glm::ivec2(1280, 720), row.button, row.row), row.corner) << row.row;
    }
}

TEST(MenuNavigation, ButtonsAreWalkedTopToBottomThenLeftToRight)
{
    const std::vector<UI::NavigableButton> buttons = {{7, 512, 136}, {3, 512, 328}, {9, 600, 264}, {5, 100, 264}};
    EXPECT_EQ(UI::navigationOrder(buttons), (std::vector<uint32_t>{3, 5, 9, 7}));
}

TEST(MenuNavigation, TheFirstStepHighlightsTheFirstButtonAndFurtherStepsWrap)
{
    using Place = std::optional<std::size_t>;
    const std::tuple<Place, std::size_t, int, Place> steps[] = {
        {std::nullopt, 4, +1, 0}, {std::nullopt, 4, -1, 0}, {0, 4, +1, 1}, {3, 4, +1, 0}, {0, 4, -1, 3},
        {2, 4, -1, 1},            {0, 1, +1, 0},            {0, 1, -1, 0}, {5, 4, +1, 0}, {std::nullopt, 0, +1, std::nullopt}};
    for (const auto& [current, count, step, next] : steps)
        EXPECT_EQ(UI::stepHighlight(current, count, step), next) << current.value_or(99) << " of " << count << " by " << step;
}

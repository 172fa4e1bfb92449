#include "Game/UI/MenuLayout.h"

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

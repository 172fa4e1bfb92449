#include "Game/UI/MenuLayout.h"

#include <gtest/gtest.h>

namespace {

using UI::menuButtonCorner;

const glm::ivec2 window(1280, 720);

TEST(MenuLayout, MainMenuRowsStepDownFromTheCentre)
{
    const glm::ivec2 button(256, 64);
    EXPECT_EQ(menuButtonCorner(window, button, 0), glm::ivec2(512, 328));
    EXPECT_EQ(menuButtonCorner(window, button, 1), glm::ivec2(512, 264));
    EXPECT_EQ(menuButtonCorner(window, button, 2), glm::ivec2(512, 200));
    EXPECT_EQ(menuButtonCorner(window, button, 3), glm::ivec2(512, 136));
}

TEST(MenuLayout, EachHalfIsRoundedDownOnItsOwn)
{
    // 640 - 127 and 360 - 31, not half of the 1025 and 657 free pixels.
    EXPECT_EQ(menuButtonCorner(window, glm::ivec2(255, 63), 0), glm::ivec2(513, 329));
}

} // namespace

#include "Game/UI/ClickRule.h"

#include <gtest/gtest.h>

namespace {

using UI::ClickOutcome;
using UI::PointerSample;
using UI::Component::UIclickableComponent;
using UI::Component::UITransformComponent;

const UITransformComponent button(100.0f, 200.0f, 256.0f, 64.0f);

PointerSample at(int32_t x, int32_t y, bool held = false, bool wasHeld = false)
{
    return PointerSample{x, y, held, wasHeld};
}

TEST(ElementContains, AllFourEdgesCountAsInside)
{
    EXPECT_TRUE(UI::elementContains(button, 100, 200));
    EXPECT_TRUE(UI::elementContains(button, 356, 264));
    EXPECT_TRUE(UI::elementContains(button, 356, 200));
    EXPECT_TRUE(UI::elementContains(button, 100, 264));
}

TEST(ElementContains, OnePixelBeyondAnyEdgeIsOutside)
{
    EXPECT_FALSE(UI::elementContains(button, 99, 230));
    EXPECT_FALSE(UI::elementContains(button, 357, 230));
    EXPECT_FALSE(UI::elementContains(button, 200, 199));
    EXPECT_FALSE(UI::elementContains(button, 200, 265));
}

TEST(ElementContains, FractionalEdgesCompareAsFloats)
{
    const UITransformComponent shifted(10.5f, 10.5f, 5.0f, 5.0f);
    EXPECT_FALSE(UI::elementContains(shifted, 10, 12));
    EXPECT_TRUE(UI::elementContains(shifted, 11, 12));
    EXPECT_TRUE(UI::elementContains(shifted, 15, 15));
    EXPECT_FALSE(UI::elementContains(shifted, 16, 12));
}

TEST(EvaluateClick, PointerOnTheTopRightCornerHovers)
{
    const ClickOutcome outcome = UI::evaluateClick(button, at(356, 264));
    EXPECT_EQ(outcome.state, UIclickableComponent::hovered);
    EXPECT_FALSE(outcome.fires);
}

TEST(EvaluateClick, HeldButtonOverTheElementPressesWithoutFiring)
{
    const ClickOutcome firstStep = UI::evaluateClick(button, at(150, 230, true, false));
    const ClickOutcome laterStep = UI::evaluateClick(button, at(150, 230, true, true));
    EXPECT_EQ(firstStep.state, UIclickableComponent::pressed);
    EXPECT_EQ(laterStep.state, UIclickableComponent::pressed);
    EXPECT_FALSE(firstStep.fires);
    EXPECT_FALSE(laterStep.fires);
}

TEST(EvaluateClick, ReleaseOverTheElementFiresAndHovers)
{
    const ClickOutcome outcome = UI::evaluateClick(button, at(150, 230, false, true));
    EXPECT_TRUE(outcome.fires);
    EXPECT_EQ(outcome.state, UIclickableComponent::hovered);
}

TEST(EvaluateClick, ReleaseOutsideTheElementNeitherFiresNorHovers)
{
    const ClickOutcome outcome = UI::evaluateClick(button, at(50, 230, false, true));
    EXPECT_FALSE(outcome.fires);
    EXPECT_EQ(outcome.state, UIclickableComponent::idle);
}

TEST(EvaluateClick, HeldButtonOutsideTheElementLeavesItIdle)
{
    const ClickOutcome outcome = UI::evaluateClick(button, at(50, 230, true, true));
    EXPECT_FALSE(outcome.fires);
    EXPECT_EQ(outcome.state, UIclickableComponent::idle);
}

} // namespace

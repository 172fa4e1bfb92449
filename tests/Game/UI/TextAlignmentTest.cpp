#include "Game/UI/TextAlignment.h"

#include <gtest/gtest.h>

namespace {

using UI::alignedTextOrigin;
using UI::Component::UItextComponent;
using UI::Component::UITransformComponent;

constexpr int32_t left = UItextComponent::alignLeft;
constexpr int32_t centre = UItextComponent::alignCentre;
constexpr int32_t right = UItextComponent::alignRight;
constexpr int32_t top = UItextComponent::alignTop;
constexpr int32_t middle = UItextComponent::alignMiddle;
constexpr int32_t bottom = UItextComponent::alignBottom;

const UITransformComponent element(40.0f, 100.0f, 300.0f, 64.0f);

TEST(TextAlignmentHorizontal, CentredTextOfAThirdOfTheWidthStartsAThirdIn)
{
    const glm::vec2 origin = alignedTextOrigin(element, 100, 20, centre, top);
    EXPECT_FLOAT_EQ(origin.x - element.x, 100.0f);
}

TEST(TextAlignmentHorizontal, CentringAnOddRemainderRoundsTowardsTheLeft)
{
    // 199 free pixels: 99 on the left, 100 on the right.
    const glm::vec2 origin = alignedTextOrigin(element, 101, 20, centre, top);
    EXPECT_FLOAT_EQ(origin.x - element.x, 99.0f);
}

TEST(TextAlignmentHorizontal, LeftAlignedTextStartsAtTheLeftEdge)
{
    EXPECT_FLOAT_EQ(alignedTextOrigin(element, 100, 20, left, top).x, element.x);
}

TEST(TextAlignmentHorizontal, RightAlignedTextEndsAtTheRightEdge)
{
    const glm::vec2 origin = alignedTextOrigin(element, 73, 20, right, top);
    EXPECT_FLOAT_EQ(origin.x + 73.0f, element.x + element.width);
}

TEST(TextAlignmentHorizontal, TextWiderThanTheElementOverhangsBothSides)
{
    const UITransformComponent narrow(40.0f, 100.0f, 50.0f, 64.0f);
    const glm::vec2 origin = alignedTextOrigin(narrow, 150, 20, centre, top);
    EXPECT_FLOAT_EQ(origin.x, narrow.x - 50.0f);
}

TEST(TextAlignmentVertical, TopAlignedTextHangsFromTheTopEdge)
{
    const glm::vec2 origin = alignedTextOrigin(element, 100, 20, left, top);
    EXPECT_FLOAT_EQ(origin.y, element.y + element.height);
}

TEST(TextAlignmentVertical, MiddleAlignedTextIsCentredOnTheElement)
{
    const int32_t textHeight = 20;
    const glm::vec2 origin = alignedTextOrigin(element, 100, textHeight, left, middle);
    const float textCentre = origin.y - static_cast<float>(textHeight) / 2.0f;
    EXPECT_FLOAT_EQ(textCentre, element.y + element.height / 2.0f);
}

TEST(TextAlignmentVertical, MiddleAlignmentHalvesAnOddTextHeightInWholePixels)
{
    // Half of 21 counts as 10, so the top line sits 10 pixels above the centre.
    const glm::vec2 origin = alignedTextOrigin(element, 100, 21, left, middle);
    EXPECT_FLOAT_EQ(origin.y, element.y + element.height / 2.0f + 10.0f);
}

TEST(TextAlignmentVertical, BottomAlignedTextRestsOnTheBottomEdge)
{
    const int32_t textHeight = 23;
    const glm::vec2 origin = alignedTextOrigin(element, 100, textHeight, left, bottom);
    EXPECT_FLOAT_EQ(origin.y - static_cast<float>(textHeight), element.y);
}

} // namespace

#include "Game/UI/TextAlignment.h"

#include <gtest/gtest.h>

namespace {

using UI::alignedTextOrigin;
using UI::Component::UItextComponent;
using UI::Component::UITransformComponent;

const UITransformComponent element(40.0f, 100.0f, 300.0f, 64.0f);

TEST(TextAlignment, HorizontalOffsetFromTheLeftEdge)
{
    // Odd remainders round towards the left; wider text overhangs both sides.
    const struct { float width; int32_t textWidth, align; float offset; } rows[] = {
        {300.0f, 100, UItextComponent::alignCentre, 100.0f},
        {300.0f, 101, UItextComponent::alignCentre, 99.0f},
        {300.0f, 100, UItextComponent::alignLeft, 0.0f},
        {300.0f, 73, UItextComponent::alignRight, 227.0f},
        {50.0f, 150, UItextComponent::alignCentre, -50.0f},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << row.textWidth << " in " << row.width << " align " << row.align);
        const UITransformComponent box(element.x, element.y, row.width, element.height);
        const glm::vec2 origin = alignedTextOrigin(box, row.textWidth, 20, row.align, UItextComponent::alignTop);
        EXPECT_FLOAT_EQ(origin.x - box.x, row.offset);
    }
}

TEST(TextAlignment, TopLineHeightAboveTheBottomEdge)
{
    // Middle halves an odd text height in whole pixels.
    const struct { int32_t textHeight, align; float top; } rows[] = {
        {20, UItextComponent::alignTop, 64.0f},
        {20, UItextComponent::alignMiddle, 42.0f},
        {21, UItextComponent::alignMiddle, 42.0f},
        {23, UItextComponent::alignBottom, 23.0f},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << row.textHeight << " align " << row.align);
        const glm::vec2 origin = alignedTextOrigin(element, 100, row.textHeight, UItextComponent::alignLeft, row.align);
        EXPECT_FLOAT_EQ(origin.y - element.y, row.top);
    }
}

} // namespace

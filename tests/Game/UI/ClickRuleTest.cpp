#include "Game/UI/ClickRule.h"

#include <gtest/gtest.h>

namespace {

using UI::Component::UIclickableComponent;
using UI::Component::UITransformComponent;

const UITransformComponent button(100.0f, 200.0f, 256.0f, 64.0f);

TEST(ElementContains, EdgesAreInsideAndOnePixelBeyondIsOutside)
{
    const struct { UITransformComponent box; int32_t x, y; bool inside; } rows[] = {
        {button, 100, 200, true},  {button, 356, 264, true},  {button, 356, 200, true},
        {button, 100, 264, true},  {button, 99, 230, false},  {button, 357, 230, false},
        {button, 200, 199, false}, {button, 200, 265, false},
        // Fractional edges compare as floats.
        {UITransformComponent(10.5f, 10.5f, 5.0f, 5.0f), 10, 12, false},
        {UITransformComponent(10.5f, 10.5f, 5.0f, 5.0f), 11, 12, true},
        {UITransformComponent(10.5f, 10.5f, 5.0f, 5.0f), 15, 15, true},
        {UITransformComponent(10.5f, 10.5f, 5.0f, 5.0f), 16, 12, false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << row.x << "," << row.y);
        EXPECT_EQ(UI::elementContains(row.box, row.x, row.y), row.inside);
    }
}

TEST(EvaluateClick, StateAndFiringFollowPointerAndButton)
{
    const struct { UI::PointerSample pointer; int32_t state; bool fires; } rows[] = {
        {{356, 264, false, false}, UIclickableComponent::hovered, false},
        {{150, 230, true, false}, UIclickableComponent::pressed, false},
        {{150, 230, true, true}, UIclickableComponent::pressed, false},
        {{150, 230, false, true}, UIclickableComponent::hovered, true},
        {{50, 230, false, true}, UIclickableComponent::idle, false},
        {{50, 230, true, true}, UIclickableComponent::idle, false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << row.pointer.x << "," << row.pointer.y << " held " << row.pointer.held);
        const UI::ClickOutcome outcome = UI::evaluateClick(button, row.pointer);
        EXPECT_EQ(outcome.state, row.state);
        EXPECT_EQ(outcome.fires, row.fires);
    }
}

} // namespace

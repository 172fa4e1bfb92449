#pragma once

#include <cstdint>

#include "Game/UI/UIComponents.h"

namespace UI {

// The mouse as one update step sees it: GL window coordinates (origin
// bottom-left) and the left button now and in the step before.
struct PointerSample {
    int32_t x = 0;
    int32_t y = 0;
    bool held = false;
    bool wasHeld = false;
};

// Bounds included on all four sides.
bool elementContains(const Component::UITransformComponent& element, int32_t x, int32_t y);

struct ClickOutcome {
    int32_t state = Component::UIclickableComponent::idle;
    bool fires = false;
};

// Pressed while the button is held over the element, hovered while the
// pointer is over it otherwise, idle elsewhere. A click fires on release over
// the element, wherever the press began.
ClickOutcome evaluateClick(const Component::UITransformComponent& element, const PointerSample& pointer);

} // namespace UI

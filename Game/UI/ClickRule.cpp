#include "Game/UI/ClickRule.h"

namespace UI {

using Component::UIclickableComponent;

bool elementContains(const Component::UITransformComponent& element, int32_t x, int32_t y)
{
    const float px = static_cast<float>(x);
    const float py = static_cast<float>(y);
    return element.x <= px && px <= element.x + element.width && element.y <= py && py <= element.y + element.height;
}

ClickOutcome evaluateClick(const Component::UITransformComponent& element, const PointerSample& pointer)
{
    if (!elementContains(element, pointer.x, pointer.y)) {
        return ClickOutcome{UIclickableComponent::idle, false};
    }
    const int32_t state = pointer.held ? UIclickableComponent::pressed : UIclickableComponent::hovered;
    return ClickOutcome{state, pointer.wasHeld && !pointer.held};
}

} // namespace UI

#include "Game/UI/TextAlignment.h"

#include <cmath>

namespace UI {

using Component::UItextComponent;

namespace {

float alignedLeft(const Component::UITransformComponent& element, int32_t textWidth, int32_t alignment)
{
    const float width = static_cast<float>(textWidth);
    if (alignment == UItextComponent::alignCentre) {
        return element.x + std::floor(element.width * 0.5f - width * 0.5f);
    }
    if (alignment == UItextComponent::alignRight) {
        return element.x + element.width - width;
    }
    return element.x;
}

float alignedTop(const Component::UITransformComponent& element, int32_t textHeight, int32_t alignment)
{
    const float top = element.y + element.height;
    if (alignment == UItextComponent::alignMiddle) {
        // Half the text height in whole pixels, so a text is never set half a pixel off.
        const float halfText = static_cast<float>(textHeight / 2);
        return top + std::floor(halfText - element.height * 0.5f);
    }
    if (alignment == UItextComponent::alignBottom) {
        return top + static_cast<float>(textHeight) - element.height;
    }
    return top;
}

} // namespace

glm::vec2 alignedTextOrigin(const Component::UITransformComponent& element, int32_t textWidth, int32_t textHeight,
                            int32_t horizontalAlignment, int32_t verticalAlignment)
{
    return glm::vec2(alignedLeft(element, textWidth, horizontalAlignment),
                     alignedTop(element, textHeight, verticalAlignment));
}

} // namespace UI

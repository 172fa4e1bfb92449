#pragma once

#include <cstdint>

#include <glm/glm.hpp>

#include "Game/UI/UIComponents.h"

namespace UI {

// Where a text of textWidth x textHeight font pixels starts inside an element:
// x of its left edge and y of its top line (a text mesh hangs down from its
// top line). Alignments as in UItextComponent; centring rounds down.
glm::vec2 alignedTextOrigin(const Component::UITransformComponent& element, int32_t textWidth, int32_t textHeight,
                            int32_t horizontalAlignment, int32_t verticalAlignment);

} // namespace UI

#pragma once

#include <cstdint>

#include <glm/glm.hpp>

namespace UI {

// Vertical distance between the bottom edges of two neighbouring menu buttons.
constexpr int32_t menuRowSpacing = 64;

// Bottom-left corner of the menu button in the given row: row 0 is centred in
// the window (each half rounded down), every further row one spacing lower.
glm::ivec2 menuButtonCorner(glm::ivec2 windowSize, glm::ivec2 buttonSize, int32_t row);

} // namespace UI

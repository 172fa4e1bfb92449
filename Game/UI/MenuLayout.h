#pragma once

#include <cstdint>

#include <glm/glm.hpp>

namespace UI {

// Vertical distance between the bottom edges of two neighbouring menu buttons.
constexpr int32_t menuRowSpacing = 64;

// Bottom-left corner of the menu button in the given row: row 0 is centred in
// the window (each half rounded down), every further row one spacing lower.
glm::ivec2 menuButtonCorner(glm::ivec2 windowSize, glm::ivec2 buttonSize, int32_t row);

// As menuButtonCorner, but the column of rowCount rows is centred as a whole,
// so that a long menu still fits a small window.
glm::ivec2 menuColumnCorner(glm::ivec2 windowSize, glm::ivec2 buttonSize, int32_t row, int32_t rowCount);

// How many rows from row 0 down (as menuButtonCorner places them) fit the
// window whole; at least none.
int32_t listRowsFitting(glm::ivec2 windowSize, glm::ivec2 buttonSize);

} // namespace UI

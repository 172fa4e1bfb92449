#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace UI {

// A button as the keyboard and the pad walk a menu: its entity and the
// bottom-left corner of its box (GL coordinates, y up).
struct NavigableButton {
    uint32_t entity = 0;
    float x = 0.0f;
    float y = 0.0f;
};

// The walking order: top to bottom, and left to right within a row.
std::vector<uint32_t> navigationOrder(std::vector<NavigableButton> buttons);

// The highlight's place in the order after one step up (-1) or down (+1):
// with nothing highlighted yet either step highlights the first button;
// past either end it wraps round. Nothing to highlight in an empty menu, and
// a place left beyond a shrunken menu starts again at the first button.
std::optional<std::size_t> stepHighlight(std::optional<std::size_t> current, std::size_t count, int step);

} // namespace UI

#include "Game/UI/MenuNavigation.h"

#include <algorithm>

namespace UI {

std::vector<uint32_t> navigationOrder(std::vector<NavigableButton> buttons)
{
    std::stable_sort(buttons.begin(), buttons.end(), [](const NavigableButton& a, const NavigableButton& b) {
        return a.y != b.y ? a.y > b.y : a.x < b.x;
    });
    std::vector<uint32_t> order;
    for (const NavigableButton& button : buttons) order.push_back(button.entity);
    return order;
}

std::optional<std::size_t> stepHighlight(std::optional<std::size_t> current, std::size_t count, int step)
{
    if (count == 0) return std::nullopt;
    if (!current || *current >= count) return 0;
    const auto size = static_cast<long long>(count);
    return static_cast<std::size_t>(((static_cast<long long>(*current) + step) % size + size) % size);
}

} // namespace UI

#include "Game/UI/MenuLayout.h"

namespace UI {

glm::ivec2 menuButtonCorner(glm::ivec2 windowSize, glm::ivec2 buttonSize, int32_t row)
{
    const glm::ivec2 centred = windowSize / 2 - buttonSize / 2;
    return glm::ivec2(centred.x, centred.y - row * menuRowSpacing);
}

glm::ivec2 menuColumnCorner(glm::ivec2 windowSize, glm::ivec2 buttonSize, int32_t row, int32_t rowCount)
{
    const int32_t lift = (rowCount - 1) * menuRowSpacing / 2;
    return menuButtonCorner(windowSize, buttonSize, row) + glm::ivec2(0, lift);
}

int32_t listRowsFitting(glm::ivec2 windowSize, glm::ivec2 buttonSize)
{
    const int32_t lowestCorner = menuButtonCorner(windowSize, buttonSize, 0).y;
    return lowestCorner < 0 ? 0 : lowestCorner / menuRowSpacing + 1;
}

} // namespace UI

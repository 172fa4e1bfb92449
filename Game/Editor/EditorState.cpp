#include "Game/Editor/EditorState.h"

#include "Engine/Base/Assert.h"

namespace Game {

AxisColours& EditorState::coloursOf(uint32_t axis)
{
    GAME_ASSERT(isAxis(axis));
    switch (axis) {
    case xAxis: return xColours;
    case yAxis: return yColours;
    case zAxis: return zColours;
    default: return centreColours;
    }
}

} // namespace Game

#include "Engine/Core/KeyboardState.h"

#include <algorithm>
#include <utility>

namespace Engine {

KeyboardState::KeyboardState(const uint8_t* platformState, int32_t keyCount)
    : platformState(platformState), keyCount(keyCount), current(keyCount, 0), previous(keyCount, 0)
{
}

void KeyboardState::refresh(const std::vector<KeyPress>& stepPresses)
{
    presses = stepPresses;
    std::swap(previous, current);
    std::copy(platformState, platformState + keyCount, current.begin());
}

} // namespace Engine

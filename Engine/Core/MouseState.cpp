#include "Engine/Core/MouseState.h"

namespace Engine {

void MouseState::resetMotion()
{
    if (resetPending)
        return;
    resetPending = true;
    relativeX = 0;
    relativeY = 0;
}

void MouseState::refresh(const StepInput& step, uint32_t buttonMask, int32_t cursorX, int32_t cursorY,
                         int32_t windowHeight)
{
    StepInput kept = step;
    if (resetPending) {
        resetPending = false;
        kept = StepInput{};
    }
    relativeX = kept.dx;
    relativeY = kept.dy;
    wheel = kept.wheel;
    previousButtons = buttons;
    buttons = buttonMask;
    x = cursorX;
    y = cursorY;
    glX = cursorX;
    glY = windowHeight - cursorY;
}

} // namespace Engine

#pragma once

#include "Engine/Core/StepInput.h"

#include <cstdint>

struct SDL_Window;

namespace Engine {

// The mouse as one update step sees it: position, movement and wheel of the
// step, and the button masks of this step and the step before.
class MouseState {
public:
    explicit MouseState(SDL_Window* window) : window(window) {}

    // Discards the movement of the next step (used when relative mouse mode
    // is switched on, so the cursor jump does not turn the camera). Until
    // that step has run, further calls change nothing.
    void resetMotion();

    // Once per step, with the step's event totals, the platform's button
    // mask and cursor position, and the window height read now (so GL y
    // stays right after a resize).
    void refresh(const StepInput& step, uint32_t buttonMask, int32_t cursorX, int32_t cursorY,
                 int32_t windowHeight);

    bool buttonHeld(uint32_t mask) const { return (buttons & mask) != 0; }
    bool buttonPressed(uint32_t mask) const { return (buttons & mask) != 0 && (previousButtons & mask) == 0; }
    bool buttonReleased(uint32_t mask) const { return (buttons & mask) == 0 && (previousButtons & mask) != 0; }

    bool resetPending = false;
    int32_t x = 0; // window coordinates, origin top left
    int32_t y = 0;
    int32_t glX = 0; // origin bottom left
    int32_t glY = 0;
    int32_t relativeX = 0; // movement of this step
    int32_t relativeY = 0;
    int32_t wheel = 0; // +1, -1 or 0
    uint32_t buttons = 0; // SDL button mask, left button = SDL_BUTTON_LMASK
    uint32_t previousButtons = 0;
    SDL_Window* window;
};

} // namespace Engine

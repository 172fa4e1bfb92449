#pragma once

#include "Engine/Core/EventQueue.h"
#include "Engine/Core/KeyboardState.h"

#include <SDL_events.h>

#include <cstdint>
#include <vector>

namespace Engine {

// The mouse totals and key-downs of one update step, gathered from the
// events polled before it. Motion adds up; the wheel does not: the last event
// whose amount is exactly one notch up or down decides, any other amount is
// ignored. Key-downs are listed in order, except the platform's repeats of a
// held key; text input joins them in place (see KeyPress). padsChanged tells
// that a game controller was plugged in or pulled out. Every event but motion
// and wheel is also set aside in the queue.
struct StepInput {
    StepInput() = default;
    // lastKeyDown carries over from the step before.
    explicit StepInput(const KeyPress& lastKeyDown) : lastKeyDown(lastKeyDown) {}

    void take(const SDL_Event& event, EventQueue& queue);

    int32_t dx = 0;
    int32_t dy = 0;
    int32_t wheel = 0;
    std::vector<KeyPress> keyPresses;
    // The last key-down or repeat, even one of an earlier step: a text event
    // belongs to the key-down before it, and key-ups that the platform
    // delivers between the two do not change what the text was typed with.
    KeyPress lastKeyDown;
    bool padsChanged = false;
};

} // namespace Engine

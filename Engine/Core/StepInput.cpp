#include "Engine/Core/StepInput.h"

namespace Engine {

namespace {
constexpr int32_t wheelNotch = 1;
}

void StepInput::take(const SDL_Event& event, EventQueue& queue)
{
    switch (event.type) {
    case SDL_MOUSEMOTION:
        dx += event.motion.xrel;
        dy += event.motion.yrel;
        break;
    case SDL_MOUSEWHEEL:
        if (event.wheel.y == wheelNotch || event.wheel.y == -wheelNotch)
            wheel = event.wheel.y;
        break;
    case SDL_KEYDOWN:
        keySeen = true;
        ctrlHeld = (event.key.keysym.mod & KMOD_CTRL) != 0;
        if (event.key.repeat == 0)
            keyPresses.push_back(KeyPress{event.key.keysym.scancode, ctrlHeld, (event.key.keysym.mod & KMOD_SHIFT) != 0, {}});
        queue.push(event);
        break;
    case SDL_KEYUP:
        keySeen = true;
        ctrlHeld = (event.key.keysym.mod & KMOD_CTRL) != 0;
        queue.push(event);
        break;
    case SDL_TEXTINPUT:
        // Text events carry no modifiers: a text takes those of the key
        // event before it (its own key-down or key repeat), or the keyboard's
        // when it comes first in the step, so a letter the platform spells
        // out for a held Ctrl+Shift shortcut is known as part of it.
        if (!keySeen) ctrlHeld = (SDL_GetModState() & KMOD_CTRL) != 0;
        keyPresses.push_back(KeyPress{SDL_SCANCODE_UNKNOWN, ctrlHeld, false, event.text.text});
        queue.push(event);
        break;
    case SDL_CONTROLLERDEVICEADDED:
    case SDL_CONTROLLERDEVICEREMOVED:
        padsChanged = true;
        queue.push(event);
        break;
    default:
        queue.push(event);
        break;
    }
}

} // namespace Engine

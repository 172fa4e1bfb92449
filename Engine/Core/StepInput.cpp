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
        lastKeyDown = KeyPress{event.key.keysym.scancode, (event.key.keysym.mod & KMOD_CTRL) != 0,
                               (event.key.keysym.mod & KMOD_SHIFT) != 0, {}, 0, event.key.repeat != 0};
        if (!lastKeyDown.repeated) keyPresses.push_back(lastKeyDown);
        queue.push(event);
        break;
    case SDL_TEXTINPUT:
        // Text events carry no modifiers: a text takes those of the key-down
        // that made it (or its repeat), so a letter the platform spells out
        // for a Ctrl+Shift shortcut is known as part of the shortcut.
        keyPresses.push_back(KeyPress{SDL_SCANCODE_UNKNOWN, lastKeyDown.ctrl, false, event.text.text,
                                      lastKeyDown.scancode, lastKeyDown.repeated});
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

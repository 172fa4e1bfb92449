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
        if (event.key.repeat == 0)
            keyPresses.push_back(KeyPress{event.key.keysym.scancode, (event.key.keysym.mod & KMOD_CTRL) != 0});
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

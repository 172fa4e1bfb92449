#include "Engine/Core/PadConnection.h"

#include "Engine/Core/StepInput.h"

#include <SDL.h>

namespace Engine {

PadConnection::PadConnection() : available(SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) == 0)
{
    if (available) openFirstAttached();
}

// SDL_Quit closes every controller itself; closing one again after that
// would touch freed memory.
PadConnection::~PadConnection()
{
    if (!available || SDL_WasInit(SDL_INIT_GAMECONTROLLER) == 0) return;
    if (controller != nullptr) SDL_GameControllerClose(controller);
    SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
}

void PadConnection::follow(const StepInput& step)
{
    if (!available || !step.padsChanged) return;
    if (controller != nullptr && SDL_GameControllerGetAttached(controller) == SDL_FALSE) {
        SDL_GameControllerClose(controller);
        controller = nullptr;
    }
    if (controller == nullptr) openFirstAttached();
}

PadReading PadConnection::read() const
{
    PadReading reading;
    if (controller == nullptr) return reading;
    reading.connected = true;
    for (int axis = 0; axis < SDL_CONTROLLER_AXIS_MAX; ++axis)
        reading.axes[axis] = SDL_GameControllerGetAxis(controller, static_cast<SDL_GameControllerAxis>(axis));
    for (int button = 0; button < SDL_CONTROLLER_BUTTON_MAX; ++button)
        if (SDL_GameControllerGetButton(controller, static_cast<SDL_GameControllerButton>(button)) != 0)
            reading.buttons |= 1u << button;
    return reading;
}

void PadConnection::openFirstAttached()
{
    for (int device = 0; device < SDL_NumJoysticks() && controller == nullptr; ++device)
        if (SDL_IsGameController(device) == SDL_TRUE) controller = SDL_GameControllerOpen(device);
}

} // namespace Engine

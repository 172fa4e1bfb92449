#include "Game/UI/MenuPlatform.h"

#include <SDL.h>

namespace UI {

void SdlMenuPlatform::setRelativeMouseMode(bool enabled)
{
    SDL_SetRelativeMouseMode(enabled ? SDL_TRUE : SDL_FALSE);
}

void SdlMenuPlatform::centreMouse()
{
    glm::ivec2 size(0);
    SDL_GetWindowSize(engine->window->window, &size.x, &size.y);
    SDL_WarpMouseInWindow(engine->window->window, size.x / 2, size.y / 2);
}

} // namespace UI

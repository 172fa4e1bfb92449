#include "Game/UI/MenuPlatform.h"

#include <SDL.h>

namespace UI {

glm::ivec2 SdlMenuPlatform::windowSize() const
{
    glm::ivec2 size(0);
    SDL_GetWindowSize(engine->window->window, &size.x, &size.y);
    return size;
}

void SdlMenuPlatform::setRelativeMouseMode(bool enabled)
{
    SDL_SetRelativeMouseMode(enabled ? SDL_TRUE : SDL_FALSE);
}

void SdlMenuPlatform::centreMouse()
{
    const glm::ivec2 size = windowSize();
    SDL_WarpMouseInWindow(engine->window->window, size.x / 2, size.y / 2);
}

} // namespace UI

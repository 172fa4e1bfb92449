#include "Engine/Core/ApplyWindowSettings.h"

#include <SDL.h>

namespace Engine {

void applyWindowSettings(const WindowSettings& settings, WindowHandle& handle)
{
    handle.swapInterval = settings.vsync;
    SDL_GL_SetSwapInterval(settings.vsync);
    SDL_SetWindowFullscreen(handle.window, settings.fullscreen ? SDL_WINDOW_FULLSCREEN : 0);
    SDL_SetWindowSize(handle.window, settings.resolutionWidth, settings.resolutionHeight);
    SDL_SetWindowPosition(handle.window, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED);
}

} // namespace Engine

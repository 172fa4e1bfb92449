#pragma once

#include <cstdint>

struct SDL_Window;

namespace Engine {

// The window together with its swap interval; the mouse record takes its
// window from here and the configuration writes the swap interval here.
struct WindowHandle {
    SDL_Window* window = nullptr;
    int32_t swapInterval = 0;
};

// The window the engine created. Its size is the platform's to report (the
// game keeps the drawable size it renders at in its run record).
struct Window {
    SDL_Window* window = nullptr;
    void* glContext = nullptr; // SDL_GLContext
    WindowHandle* handle = nullptr;
};

} // namespace Engine

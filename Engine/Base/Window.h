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

// The window the engine created. width and height are the size it was
// created with; they are not updated when the game resizes the window later.
struct Window {
    SDL_Window* window = nullptr;
    void* glContext = nullptr; // SDL_GLContext
    WindowHandle* handle = nullptr;
    int32_t width = 640;
    int32_t height = 480;
};

} // namespace Engine

#include "Engine/Core/EventQueue.h"

namespace Engine {

void EventQueue::push(const SDL_Event& event)
{
    events.push_back(event);
}

FrameEvents EventQueue::drain()
{
    FrameEvents happened;
    for (const SDL_Event& event : events) {
        if (event.type == SDL_QUIT)
            happened.quit = true;
        if (event.type == SDL_WINDOWEVENT && event.window.event == SDL_WINDOWEVENT_SIZE_CHANGED)
            happened.resized = true;
    }
    events.clear();
    return happened;
}

} // namespace Engine

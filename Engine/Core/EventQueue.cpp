#include "Engine/Core/EventQueue.h"

#include <algorithm>

namespace Engine {

void EventQueue::push(const SDL_Event& event)
{
    events.push_back(event);
}

bool EventQueue::drainQuitRequest()
{
    const bool quitRequested = std::any_of(events.begin(), events.end(),
        [](const SDL_Event& event) { return event.type == SDL_QUIT; });
    events.clear();
    return quitRequested;
}

} // namespace Engine

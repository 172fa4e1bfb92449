#pragma once

#include <SDL_events.h>

#include <cstddef>
#include <vector>

namespace Engine {

// What the events of one frame ask of the loop.
struct FrameEvents {
    bool quit = false;
    // The window's size changed (SDL_WINDOWEVENT_SIZE_CHANGED).
    bool resized = false;
};

// Whole platform events set aside during update steps (everything except
// mouse motion and wheel). The loop drains it once per frame; only a quit
// request and a change of the window's size have an effect. The storage is
// kept between frames.
class EventQueue {
public:
    void push(const SDL_Event& event);

    // Empties the queue front to back.
    FrameEvents drain();

    std::size_t size() const { return events.size(); }
    const SDL_Event& at(std::size_t index) const { return events.at(index); }

private:
    std::vector<SDL_Event> events;
};

} // namespace Engine

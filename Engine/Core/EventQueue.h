#pragma once

#include <SDL_events.h>

#include <cstddef>
#include <vector>

namespace Engine {

// Whole platform events set aside during update steps (everything except
// mouse motion and wheel). The loop drains it once per frame; only a quit
// request has an effect. The storage is kept between frames.
class EventQueue {
public:
    void push(const SDL_Event& event);

    // Empties the queue front to back; true when it held an SDL_QUIT.
    bool drainQuitRequest();

    std::size_t size() const { return events.size(); }
    const SDL_Event& at(std::size_t index) const { return events.at(index); }

private:
    std::vector<SDL_Event> events;
};

} // namespace Engine

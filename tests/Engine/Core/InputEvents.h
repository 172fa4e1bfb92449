#pragma once

#include <SDL_events.h>

#include <cstdint>

// Made-up platform events with the fields the engine reads filled as SDL fills them.
namespace TestEvents {

inline SDL_Event ofType(uint32_t type)
{
    SDL_Event event{};
    event.type = type;
    return event;
}

inline SDL_Event motion(int32_t xrel, int32_t yrel)
{
    SDL_Event event = ofType(SDL_MOUSEMOTION);
    event.motion.xrel = xrel;
    event.motion.yrel = yrel;
    return event;
}

inline SDL_Event wheel(int32_t amount)
{
    SDL_Event event = ofType(SDL_MOUSEWHEEL);
    event.wheel.y = amount;
    return event;
}

inline SDL_Event key(uint32_t type, SDL_Scancode scancode)
{
    SDL_Event event = ofType(type);
    event.key.keysym.scancode = scancode;
    return event;
}

} // namespace TestEvents

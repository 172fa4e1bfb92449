#pragma once

#include "Engine/Core/PadState.h"

struct _SDL_GameController;

namespace Engine {

struct StepInput;

// The game controller in use, opened and closed as controllers are plugged
// in and pulled out while the game runs. Only SDL calls; what the readings
// mean is PadState's business.
class PadConnection {
public:
    // Starts SDL's game controller subsystem; without it no pad ever connects.
    PadConnection();
    ~PadConnection();
    PadConnection(const PadConnection&) = delete;
    PadConnection& operator=(const PadConnection&) = delete;

    // After a step that plugged or pulled a controller: a controller gone is
    // closed, and while none is open the first one attached is opened.
    void follow(const StepInput& step);
    PadReading read() const;

private:
    void openFirstAttached();

    bool available = false;
    _SDL_GameController* controller = nullptr;
};

} // namespace Engine

#pragma once

#include <cstdint>

// The game as the engine sees it. The engine calls init() once before the
// first frame, update() once per fixed step, render(alpha) once per frame
// with the unconsumed fraction of a step, windowResized() when the window's
// drawable size changes, and shutdown() once at the end
// (also when the engine itself failed to start).
class GamePrototype {
public:
    virtual bool init() = 0;
    virtual void update() = 0;
    virtual void render(float alpha) = 0;
    // The window's drawable size changed; called between frames.
    virtual void windowResized(int32_t /*width*/, int32_t /*height*/) {}
    virtual void shutdown() = 0;

protected:
    // The engine never deletes the game, so no virtual destructor is needed;
    // protecting it keeps deletion through this interface from compiling.
    ~GamePrototype() = default;
};

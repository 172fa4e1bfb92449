#pragma once

// The game as the engine sees it. The engine calls init() once before the
// first frame, update() once per fixed step, render(alpha) once per frame
// with the unconsumed fraction of a step, and shutdown() once at the end
// (also when the engine itself failed to start).
class GamePrototype {
public:
    virtual bool init() = 0;
    virtual void update() = 0;
    virtual void render(float alpha) = 0;
    virtual void shutdown() = 0;

protected:
    // The engine never deletes the game, so no virtual destructor is needed;
    // protecting it keeps deletion through this interface from compiling.
    ~GamePrototype() = default;
};

#pragma once

#include "Engine/Core/FrameClock.h"
#include "Engine/Core/KeyboardState.h"
#include "Engine/Base/Window.h"

#include <memory>
#include <string>

class GamePrototype;
class MatrixState;

namespace Engine {

class EventQueue;
class KeyboardState;
class MouseState;
class PadConnection;
class PadState;
struct StepInput;

// Owns the window, the OpenGL 3.3 core context and the input records, and
// runs the program's one loop: fixed update steps as the elapsed time asks
// (at most ten per frame), then one render per frame with the fraction of a
// step not yet simulated.
class GameEngine : private FrameClock {
public:
    GameEngine();
    ~GameEngine();
    GameEngine(const GameEngine&) = delete;
    GameEngine& operator=(const GameEngine&) = delete;

    // Creates the window, context and input records; false when SDL or the
    // graphics could not start.
    bool init();

    // Starts the engine, runs the game until quit is set, shuts down.
    // Returns 0; graphicsFailed() tells main whether start-up was refused.
    int run();

    static void log(const std::string& text);

    // True when start-up stopped because the window, the OpenGL 3.3 core
    // context or GLEW was not available.
    bool graphicsFailed() const { return graphicsUnavailable; }

    bool quit = false; // the loop ends after the frame in which this is set
    bool interpolate = false;
    std::unique_ptr<Window> window;
    // Created by init() right after the window record; the engine owns it
    // and the game's shaders and systems use it through this pointer.
    MatrixState* matrixState = nullptr;
    std::unique_ptr<KeyboardState> keyboard;
    std::unique_ptr<MouseState> mouse;
    std::unique_ptr<PadState> pad;
    // The timing fields the game reads and resets (see FrameClock).
    using FrameClock::lastTickCount;
    using FrameClock::accumulator;
    using FrameClock::stepLength;
    using FrameClock::ringIndex;
    using FrameClock::frameTimes;
    using FrameClock::averageFrameTime;
    GamePrototype* game = nullptr;

    // The pad part of the input refresh: follows the step's plugging and
    // reads the controller in use into `pad`.
    void refreshPad(const StepInput& step);

private:
    bool createGraphics();
    bool loadGLEntryPoints();
    bool refuseStartup(const std::string& problem, const std::string& detail);
    void createInputRecords();
    void runFrames();
    void runFrame(EventQueue& events);
    void refreshInput(EventQueue& events);
    void reportDrawableSize();
    void shutDown();

    std::unique_ptr<WindowHandle> windowHandle;
    std::unique_ptr<MatrixState> ownedMatrixState;
    std::unique_ptr<PadConnection> padConnection;
    bool graphicsUnavailable = false;
    KeyPress lastKeyDown;
};

// Deletes the window's GL context, then the window, and clears both
// pointers; call it before SDL_Quit.
void destroyWindow(Window& window);

} // namespace Engine

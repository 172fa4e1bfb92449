#include "Engine/Core/GameEngine.h"

#include "Engine/Core/EventQueue.h"
#include "Engine/Core/GLContextRequirement.h"
#include "Engine/Core/GamePrototype.h"
#include "Engine/Core/GlewStartup.h"
#include "Engine/Core/KeyboardState.h"
#include "Engine/Base/Log.h"
#include "Engine/Core/MouseState.h"
#include "Engine/Core/PadConnection.h"
#include "Engine/Core/PadState.h"
#include "Engine/Core/StepInput.h"
#include "Engine/Graphics/MatrixState.h"

#include <GL/glew.h>
#include <SDL.h>

#include <string>

namespace Engine {

namespace {

constexpr const char* windowTitle = "Engine";
// The size the window opens with, before the game applies its settings.
constexpr int initialWidth = 640;
constexpr int initialHeight = 480;
// The game sets its own step length once it has loaded.
constexpr uint32_t initialStepLength = 16;

bool contextMeetsRequirement()
{
    GLint major = 0;
    GLint minor = 0;
    GLint profileMask = 0;
    glGetIntegerv(GL_MAJOR_VERSION, &major);
    glGetIntegerv(GL_MINOR_VERSION, &minor);
    glGetIntegerv(GL_CONTEXT_PROFILE_MASK, &profileMask);
    return meetsGLRequirement(major, minor, (profileMask & GL_CONTEXT_CORE_PROFILE_BIT) != 0);
}

} // namespace

GameEngine::GameEngine()
{
    lastTickCount = SDL_GetTicks();
}

GameEngine::~GameEngine() = default;

bool GameEngine::init()
{
    quit = false;
    interpolate = true;
    stepLength = initialStepLength;
    window = std::make_unique<Window>();
    ownedMatrixState = std::make_unique<MatrixState>(window.get());
    matrixState = ownedMatrixState.get();
    if (SDL_Init(SDL_INIT_VIDEO) != 0) {
        log(std::string("SDL could not initialize! SDL Error: ") + SDL_GetError());
        // Without video there is no game: main must not report success.
        graphicsUnavailable = true;
        return false;
    }
    if (!createGraphics())
        return false;
    // No vertical sync until the configuration asks for it.
    SDL_GL_SetSwapInterval(0);
    windowHandle = std::make_unique<WindowHandle>(WindowHandle{window->window, 0});
    window->handle = windowHandle.get();
    createInputRecords();
    return true;
}

bool GameEngine::createGraphics()
{
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MAJOR_VERSION, requiredGLMajorVersion);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MINOR_VERSION, requiredGLMinorVersion);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, SDL_GL_CONTEXT_PROFILE_CORE);
    window->window = SDL_CreateWindow(windowTitle, SDL_WINDOWPOS_UNDEFINED, SDL_WINDOWPOS_UNDEFINED,
                                      initialWidth, initialHeight,
                                      SDL_WINDOW_OPENGL | SDL_WINDOW_SHOWN | SDL_WINDOW_RESIZABLE);
    if (window->window == nullptr)
        return refuseStartup("the window could not be created", SDL_GetError());
    window->glContext = SDL_GL_CreateContext(window->window);
    if (window->glContext == nullptr)
        return refuseStartup("no OpenGL 3.3 core context", SDL_GetError());
    if (!loadGLEntryPoints())
        return false;
    if (!contextMeetsRequirement()) {
        const GLubyte* version = glGetString(GL_VERSION);
        return refuseStartup("no OpenGL 3.3 core context",
                             version != nullptr ? reinterpret_cast<const char*>(version) : "no GL version string");
    }
    return true;
}

bool GameEngine::loadGLEntryPoints()
{
    glewExperimental = GL_TRUE;
    for (int attempt = 1;; ++attempt) {
        const GLenum status = glewInit();
        const bool current = SDL_GL_GetCurrentContext() == window->glContext;
        const GlewStep step = glewStepAfter(status, current, attempt);
        if (step == GlewStep::goOn && status == GLEW_OK)
            return true;
        const char* driver = SDL_GetCurrentVideoDriver();
        const std::string failure = glewFailure(status, driver != nullptr ? driver : "no", current, SDL_GetError());
        if (step == GlewStep::refuse)
            return refuseStartup("GLEW could not load OpenGL", failure);
        if (step == GlewStep::goOn) {
            std::fprintf(stderr, "Engine start-up: %s again; SDL holds the context current, going on without "
                                 "GLEW's GLX extensions\n", failure.c_str());
            return true;
        }
        std::fprintf(stderr, "Engine start-up: %s; making the context current again for one more try\n",
                     failure.c_str());
        if (SDL_GL_MakeCurrent(window->window, window->glContext) != 0)
            return refuseStartup("GLEW could not load OpenGL", failure + "; SDL_GL_MakeCurrent failed: " + SDL_GetError());
    }
}

bool GameEngine::refuseStartup(const std::string& problem, const std::string& detail)
{
    logError("Engine start-up stopped: " + problem + ": " + detail);
    graphicsUnavailable = true;
    return false;
}

void GameEngine::createInputRecords()
{
    int keyCount = 0;
    const uint8_t* platformKeys = SDL_GetKeyboardState(&keyCount);
    keyboard = std::make_unique<KeyboardState>(platformKeys, keyCount);
    mouse = std::make_unique<MouseState>(windowHandle->window);
    pad = std::make_unique<PadState>();
    padConnection = std::make_unique<PadConnection>();
}

int GameEngine::run()
{
    SDL_SetMainReady();
    log("START ENGINE");
    if (!init()) {
        log("Failed to initialize!");
        shutDown();
        return 0;
    }
    // A start-up that stops on bad data tears down the same way as a normal
    // end, GL context before window, before the error travels on.
    try {
        game->init();
        runFrames();
    } catch (...) {
        shutDown();
        throw;
    }
    shutDown();
    return 0;
}

void GameEngine::log(const std::string& text)
{
    Engine::log(text);
}

void GameEngine::runFrames()
{
    EventQueue events;
    SDL_StartTextInput();
    while (!quit)
        runFrame(events);
    SDL_StopTextInput();
}

void GameEngine::runFrame(EventQueue& events)
{
    beginFrame(SDL_GetTicks());
    const FrameEvents happened = events.drain();
    if (happened.quit)
        quit = true;
    if (happened.resized)
        reportDrawableSize();
    uint32_t steps = 0;
    while (consumeStep(steps)) {
        ++steps;
        refreshInput(events);
        game->update();
    }
    const RenderCall call = renderCall(steps, interpolate);
    if (!call.render)
        return;
    game->render(call.alpha);
    SDL_GL_SwapWindow(window->window);
}

// The size GL draws into, which may differ from the window's own size.
void GameEngine::reportDrawableSize()
{
    int width = 0;
    int height = 0;
    SDL_GL_GetDrawableSize(window->window, &width, &height);
    game->windowResized(width, height);
}

// Events first (they also bring SDL's key, button and controller state up to
// date), then the keyboard, the mouse and the pad.
void GameEngine::refreshInput(EventQueue& events)
{
    StepInput step(lastKeyDown);
    SDL_Event event;
    while (SDL_PollEvent(&event) != 0)
        step.take(event, events);
    lastKeyDown = step.lastKeyDown;
    keyboard->refresh(step.keyPresses);
    int cursorX = 0;
    int cursorY = 0;
    const uint32_t buttons = SDL_GetMouseState(&cursorX, &cursorY);
    int width = 0;
    int height = 0;
    SDL_GetWindowSize(mouse->window, &width, &height);
    mouse->refresh(step, buttons, cursorX, cursorY, height);
    refreshPad(step);
}

void GameEngine::refreshPad(const StepInput& step)
{
    padConnection->follow(step);
    pad->refresh(padConnection->read());
}

void GameEngine::shutDown()
{
    if (game != nullptr)
        game->shutdown();
    padConnection.reset();
    if (window != nullptr)
        destroyWindow(*window);
    if (windowHandle != nullptr)
        windowHandle->window = nullptr;
    SDL_Quit();
}

// The GL context goes before its window, and both before SDL closes the X
// display: a context still alive when the display closes is torn down from
// inside XCloseDisplay, where llvmpipe can wait forever for its rasteriser
// threads.
void destroyWindow(Window& window)
{
    if (window.glContext != nullptr) {
        SDL_GL_MakeCurrent(window.window, nullptr);
        SDL_GL_DeleteContext(window.glContext);
        window.glContext = nullptr;
    }
    if (window.window != nullptr) {
        SDL_DestroyWindow(window.window);
        window.window = nullptr;
    }
}

} // namespace Engine

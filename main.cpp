#include "Engine/Config/WindowSettings.h"
#include "Engine/Core/ApplyWindowSettings.h"
#include "Engine/Core/GameEngine.h"
#include "Engine/Core/GamePrototype.h"

#include <GL/glew.h>
#include <SDL.h>

#include <cstdlib>

namespace {

// Stands in for the game until its controller exists: applies the user's
// window settings and clears the window to one colour every frame.
class ClearScreenGame : public GamePrototype {
public:
    explicit ClearScreenGame(Engine::GameEngine* engine) : engine(engine) {}

    bool init() override
    {
        const Engine::WindowSettings settings = Engine::loadWindowSettings();
        Engine::applyWindowSettings(settings, *engine->window->handle);
        glViewport(0, 0, settings.resolutionWidth, settings.resolutionHeight);
        Engine::GameEngine::log("GAME INIT");
        // Loading time is not simulated: the clock starts now.
        engine->stepLength = stepMilliseconds;
        engine->accumulator = 0;
        engine->lastTickCount = SDL_GetTicks();
        return true;
    }

    void update() override {}

    void render(float) override
    {
        glClearColor(clearRed / 255.0f, clearGreen / 255.0f, clearBlue / 255.0f, 1.0f);
        glClear(GL_COLOR_BUFFER_BIT);
    }

    void shutdown() override {}

private:
    static constexpr uint32_t stepMilliseconds = 10;
    static constexpr int clearRed = 32;
    static constexpr int clearGreen = 96;
    static constexpr int clearBlue = 160;

    Engine::GameEngine* engine;
};

} // namespace

int main(int, char**)
{
    Engine::GameEngine engine;
    ClearScreenGame game(&engine);
    engine.game = &game;
    engine.run();
    return engine.graphicsFailed() ? EXIT_FAILURE : EXIT_SUCCESS;
}

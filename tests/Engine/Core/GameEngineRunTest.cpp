#include "Engine/Core/GameEngine.h"

#include "Engine/Core/GamePrototype.h"
#include "Engine/Core/KeyboardState.h"
#include "Engine/Core/MouseState.h"

#include <GL/glew.h>
#include <SDL.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

// The real loop against a real window (run under a private X server): a
// scripted game records what the engine calls and can act in any update.
namespace {

class ScriptedGame : public GamePrototype {
public:
    explicit ScriptedGame(Engine::GameEngine& engine) : engine(engine) { engine.game = this; }

    bool init() override
    {
        calls.push_back("init");
        Engine::GameEngine::log("SCRIPTED INIT");
        if (onInit)
            onInit();
        return true;
    }

    void update() override
    {
        calls.push_back("update");
        ++updates;
        if (onUpdate)
            onUpdate(updates);
    }

    void render(float alpha) override
    {
        calls.push_back("render");
        alphas.push_back(alpha);
    }

    void shutdown() override { calls.push_back("shutdown"); }

    Engine::GameEngine& engine;
    std::function<void()> onInit;
    std::function<void(int)> onUpdate; // receives the number of updates so far
    std::vector<std::string> calls;
    std::vector<float> alphas;
    int updates = 0;
};

void pushEvent(SDL_Event event)
{
    ASSERT_EQ(SDL_PushEvent(&event), 1) << SDL_GetError();
}

SDL_Event quitEvent()
{
    SDL_Event event{};
    event.type = SDL_QUIT;
    return event;
}

} // namespace

TEST(GameEngineRun, GameInitialisesWithA640x480EngineWindowAndAnOpenGL33CoreContext)
{
    Engine::GameEngine engine;
    ScriptedGame game(engine);
    int width = 0, height = 0, major = 0, minor = 0, profile = 0, swapInterval = -99;
    std::string title;
    game.onInit = [&] {
        SDL_GetWindowSize(engine.window->window, &width, &height);
        title = SDL_GetWindowTitle(engine.window->window);
        glGetIntegerv(GL_MAJOR_VERSION, &major);
        glGetIntegerv(GL_MINOR_VERSION, &minor);
        glGetIntegerv(GL_CONTEXT_PROFILE_MASK, &profile);
        swapInterval = SDL_GL_GetSwapInterval();
    };
    game.onUpdate = [&](int) { engine.quit = true; };

    EXPECT_EQ(engine.run(), 0);

    EXPECT_EQ(title, "Engine");
    EXPECT_EQ(width, 640);
    EXPECT_EQ(height, 480);
    EXPECT_TRUE(major > 3 || (major == 3 && minor >= 3)) << major << "." << minor;
    EXPECT_NE(profile & GL_CONTEXT_CORE_PROFILE_BIT, 0);
    EXPECT_EQ(swapInterval, 0);
    EXPECT_FALSE(engine.graphicsFailed());
}

TEST(GameEngineRun, InitialisationPreparesTheRecordsTheGameUses)
{
    Engine::GameEngine engine;
    ScriptedGame game(engine);
    bool checked = false;
    game.onInit = [&] {
        checked = true;
        EXPECT_TRUE(engine.interpolate);
        EXPECT_FALSE(engine.quit);
        EXPECT_EQ(engine.stepLength, 16u);
        ASSERT_NE(engine.window->handle, nullptr);
        EXPECT_EQ(engine.window->handle->window, engine.window->window);
        EXPECT_EQ(engine.window->handle->swapInterval, 0);
        EXPECT_NE(engine.window->glContext, nullptr);
        ASSERT_NE(engine.keyboard, nullptr);
        EXPECT_EQ(engine.keyboard->keyCount, SDL_NUM_SCANCODES);
        ASSERT_NE(engine.mouse, nullptr);
        EXPECT_EQ(engine.mouse->window, engine.window->window);
    };
    game.onUpdate = [&](int) { engine.quit = true; };
    engine.run();
    EXPECT_TRUE(checked);
}

TEST(GameEngineRun, StartEngineIsLoggedBeforeTheGameInitialises)
{
    Engine::GameEngine engine;
    ScriptedGame game(engine);
    game.onUpdate = [&](int) { engine.quit = true; };
    testing::internal::CaptureStdout();
    engine.run();
    const std::string output = testing::internal::GetCapturedStdout();
    EXPECT_EQ(output.rfind("START ENGINE\nSCRIPTED INIT\n", 0), 0u) << output;
}

TEST(GameEngineRun, QuitSetByTheGameEndsTheLoopAfterThatFramesRender)
{
    Engine::GameEngine engine;
    ScriptedGame game(engine);
    game.onUpdate = [&](int updates) {
        if (updates == 3)
            engine.quit = true;
    };

    engine.run();

    // The frame that set quit still runs its remaining steps and renders.
    ASSERT_GE(game.calls.size(), 3u);
    EXPECT_EQ(game.calls.front(), "init");
    EXPECT_GE(game.updates, 3);
    EXPECT_EQ(game.calls[game.calls.size() - 2], "render");
    EXPECT_EQ(game.calls.back(), "shutdown");
    EXPECT_EQ(engine.window->window, nullptr);
    for (float alpha : game.alphas) {
        EXPECT_GE(alpha, 0.0f);
        EXPECT_LE(alpha, 1.0f);
    }
}

TEST(GameEngineRun, PlatformQuitEventEndsTheLoopThroughTheEventQueue)
{
    Engine::GameEngine engine;
    ScriptedGame game(engine);
    int pushedAt = 0;
    game.onUpdate = [&](int updates) {
        if (pushedAt == 0) {
            pushEvent(quitEvent());
            pushedAt = updates;
        }
    };

    engine.run();

    EXPECT_TRUE(engine.quit);
    // The quit is polled by a later step's refresh and only seen when the
    // next frame drains the queue; that frame still renders.
    EXPECT_GT(game.updates, pushedAt);
    EXPECT_EQ(game.calls[game.calls.size() - 2], "render");
}

TEST(GameEngineRun, MouseMotionOfAStepIsSummedBeforeTheUpdate)
{
    Engine::GameEngine engine;
    ScriptedGame game(engine);
    int seenX = 0, seenY = 0, seenWheel = 0;
    game.onUpdate = [&](int updates) {
        if (updates == 1) {
            for (int i = 0; i < 3; ++i) {
                SDL_Event motion{};
                motion.type = SDL_MOUSEMOTION;
                motion.motion.xrel = 4;
                motion.motion.yrel = -2;
                pushEvent(motion);
            }
            SDL_Event wheel{};
            wheel.type = SDL_MOUSEWHEEL;
            wheel.wheel.y = -1;
            pushEvent(wheel);
        }
        if (updates != 2)
            return;
        seenX = engine.mouse->relativeX;
        seenY = engine.mouse->relativeY;
        seenWheel = engine.mouse->wheel;
        engine.quit = true;
    };

    engine.run();

    EXPECT_EQ(seenX, 12);
    EXPECT_EQ(seenY, -6);
    EXPECT_EQ(seenWheel, -1);
}

#include "Engine/Core/GameEngine.h"

#include "Engine/Core/GamePrototype.h"
#include "Engine/Core/KeyboardState.h"
#include "Engine/Core/MouseState.h"
#include "tests/Engine/Core/InputEvents.h"

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
    explicit ScriptedGame(Engine::GameEngine& engine) { engine.game = this; }

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
        onUpdate(++updates);
    }
    void render(float alpha) override
    {
        calls.push_back("render");
        EXPECT_GE(alpha, 0.0f);
        EXPECT_LE(alpha, 1.0f);
    }
    void shutdown() override { calls.push_back("shutdown"); }

    std::function<void()> onInit;
    std::function<void(int)> onUpdate; // receives the number of updates so far
    std::vector<std::string> calls;
    int updates = 0;
};

void pushEvent(SDL_Event event)
{
    ASSERT_EQ(SDL_PushEvent(&event), 1) << SDL_GetError();
}

} // namespace

TEST(GameEngineRun, StartsA640x480CoreContextWindowAndAQuitSetByTheGameEndsAfterThatFramesRender)
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
        EXPECT_TRUE(engine.interpolate);
        EXPECT_EQ(engine.stepLength, 16u);
        ASSERT_NE(engine.keyboard, nullptr);
        EXPECT_EQ(engine.keyboard->keyCount, SDL_NUM_SCANCODES);
        ASSERT_NE(engine.mouse, nullptr);
        EXPECT_EQ(engine.mouse->window, engine.window->window);
    };
    game.onUpdate = [&](int) { engine.quit = true; };

    testing::internal::CaptureStdout();
    EXPECT_EQ(engine.run(), 0);
    const std::string output = testing::internal::GetCapturedStdout();

    EXPECT_EQ(output.rfind("START ENGINE\nSCRIPTED INIT\n", 0), 0u) << output;
    EXPECT_EQ(title, "Engine");
    EXPECT_EQ(width, 640);
    EXPECT_EQ(height, 480);
    EXPECT_TRUE(major > 3 || (major == 3 && minor >= 3)) << major << "." << minor;
    EXPECT_NE(profile & GL_CONTEXT_CORE_PROFILE_BIT, 0);
    EXPECT_EQ(swapInterval, 0);
    EXPECT_FALSE(engine.graphicsFailed());
    ASSERT_GE(game.calls.size(), 4u);
    EXPECT_EQ(game.calls.front(), "init");
    EXPECT_EQ(game.calls[game.calls.size() - 2], "render");
    EXPECT_EQ(game.calls.back(), "shutdown");
    EXPECT_EQ(engine.window->window, nullptr);
}

TEST(GameEngineRun, EventsPushedInAStepAreSummedForTheNextOneAndAQuitEndsTheLoopAtTheNextDrain)
{
    Engine::GameEngine engine;
    ScriptedGame game(engine);
    int seenX = 0, seenY = 0, seenWheel = 0;
    game.onUpdate = [&](int updates) {
        if (updates == 1) {
            for (int i = 0; i < 3; ++i)
                pushEvent(TestEvents::motion(4, -2));
            pushEvent(TestEvents::wheel(-1));
            pushEvent(TestEvents::ofType(SDL_QUIT));
        } else if (updates == 2) {
            seenX = engine.mouse->relativeX;
            seenY = engine.mouse->relativeY;
            seenWheel = engine.mouse->wheel;
        }
    };

    engine.run();

    EXPECT_EQ(seenX, 12);
    EXPECT_EQ(seenY, -6);
    EXPECT_EQ(seenWheel, -1);
    // The quit is polled by the second step's refresh and seen when the next frame drains the queue.
    EXPECT_TRUE(engine.quit);
    EXPECT_GE(game.updates, 2);
    EXPECT_EQ(game.calls[game.calls.size() - 2], "render");
}

#include "Engine/Core/GameEngine.h"

#include "Engine/Core/GamePrototype.h"
#include "Engine/Core/KeyboardState.h"
#include "Engine/Core/MouseState.h"
#include "tests/e2e/XInput.h"

#include <gtest/gtest.h>

// After GoogleTest: the X11 headers it pulls in define None and Bool.
#include <SDL.h>
#include <SDL_syswm.h>

#include <functional>
#include <string>

// Real X input (XTEST) reaching the engine's input records through SDL, as
// the game's update sees them.
namespace {

constexpr int stepsBeforeGivingUp = 1000;
constexpr int cursorX = 100;
constexpr int cursorY = 30;

// Runs the script once per update until it says it is done; the steps
// left in that frame run without it.
class InputScript : public GamePrototype {
public:
    explicit InputScript(Engine::GameEngine& engine) : engine(engine) { engine.game = this; }

    bool init() override { return true; }
    void update() override
    {
        if (engine.quit)
            return;
        ++steps;
        if (steps > stepsBeforeGivingUp || step())
            engine.quit = true;
    }
    void render(float) override {}
    void shutdown() override {}

    Engine::GameEngine& engine;
    std::function<bool()> step;
    int steps = 0;
};

std::string x11WindowOf(SDL_Window* window)
{
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (SDL_GetWindowWMInfo(window, &info) != SDL_TRUE || info.subsystem != SDL_SYSWM_X11)
        return "";
    return std::to_string(info.info.x11.window);
}

// Focuses the engine window and puts the cursor at (cursorX, cursorY) in it.
void prepareWindow(SDL_Window* window)
{
    const std::string id = x11WindowOf(window);
    ASSERT_FALSE(id.empty());
    E2E::runCheckedCommand({"xdotool", "windowfocus", "--sync", id});
    int left = 0, top = 0;
    SDL_GetWindowPosition(window, &left, &top);
    E2E::XInput::mouseMove(left + cursorX, top + cursorY);
}

} // namespace

TEST(GameEngineInput, HeldKeyIsPressedInTheFirstStepThatSeesItAndReleasedAfterwards)
{
    Engine::GameEngine engine;
    InputScript script(engine);
    int phase = 0;
    bool pressedWhenFirstSeen = false, heldNextStep = false, pressedNextStep = true, releasedWhenLetGo = false;
    script.step = [&] {
        Engine::KeyboardState& keys = *engine.keyboard;
        switch (phase) {
        case 0:
            prepareWindow(engine.window->window);
            E2E::XInput::keyDown("w");
            ++phase;
            return false;
        case 1:
            if (!keys.held(SDL_SCANCODE_W))
                return false;
            pressedWhenFirstSeen = keys.pressed(SDL_SCANCODE_W);
            ++phase;
            return false;
        case 2:
            heldNextStep = keys.held(SDL_SCANCODE_W);
            pressedNextStep = keys.pressed(SDL_SCANCODE_W);
            E2E::XInput::keyUp("w");
            ++phase;
            return false;
        default:
            if (keys.held(SDL_SCANCODE_W))
                return false;
            releasedWhenLetGo = keys.released(SDL_SCANCODE_W);
            return true;
        }
    };

    engine.run();

    ASSERT_LE(script.steps, stepsBeforeGivingUp) << "the key never arrived (phase " << phase << ")";
    EXPECT_TRUE(pressedWhenFirstSeen);
    EXPECT_TRUE(heldNextStep);
    EXPECT_FALSE(pressedNextStep);
    EXPECT_TRUE(releasedWhenLetGo);
}

TEST(GameEngineInput, CursorAndLeftButtonReachTheMouseRecord)
{
    Engine::GameEngine engine;
    InputScript script(engine);
    int phase = 0;
    Engine::MouseState seen(nullptr);
    bool releasedAfterUp = false;
    script.step = [&] {
        Engine::MouseState& mouse = *engine.mouse;
        switch (phase) {
        case 0:
            prepareWindow(engine.window->window);
            E2E::XInput::mouseDown(1);
            ++phase;
            return false;
        case 1:
            if (!mouse.buttonHeld(SDL_BUTTON_LMASK))
                return false;
            seen = mouse;
            E2E::XInput::mouseUp(1);
            ++phase;
            return false;
        default:
            if (mouse.buttonHeld(SDL_BUTTON_LMASK))
                return false;
            releasedAfterUp = mouse.buttonReleased(SDL_BUTTON_LMASK);
            return true;
        }
    };

    engine.run();

    ASSERT_LE(script.steps, stepsBeforeGivingUp) << "the button never arrived (phase " << phase << ")";
    EXPECT_TRUE(seen.buttonPressed(SDL_BUTTON_LMASK));
    EXPECT_EQ(seen.x, cursorX);
    EXPECT_EQ(seen.y, cursorY);
    EXPECT_EQ(seen.glX, cursorX);
    EXPECT_EQ(seen.glY, 480 - cursorY);
    EXPECT_TRUE(releasedAfterUp);
}

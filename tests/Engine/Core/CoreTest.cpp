#include "Engine/Core/FrameClock.h"
#include "Engine/Core/GLContextRequirement.h"
#include "Engine/Core/GlewStartup.h"
#include "Engine/Core/KeyboardState.h"
#include "Engine/Core/MouseState.h"
#include "Engine/Core/PadState.h"
#include "Engine/Core/StepInput.h"

#include <GL/glew.h>
#include <SDL_events.h>
#include <SDL_mouse.h>
#include <gtest/gtest.h>

#include <array>
#include <utility>
#include <vector>

namespace {

using Engine::FrameClock;

SDL_Event event(uint32_t type, int32_t a = 0, int32_t b = 0)
{
    SDL_Event e{};
    e.type = type;
    if (type == SDL_MOUSEMOTION) e.motion.xrel = a, e.motion.yrel = b;
    if (type == SDL_MOUSEWHEEL) e.wheel.y = a;
    if (type == SDL_KEYDOWN || type == SDL_KEYUP) e.key.keysym.scancode = SDL_Scancode(a), e.key.keysym.mod = b;
    return e;
}

// The step part of one frame as the loop runs it; returns the updates run.
uint32_t runSteps(FrameClock& clock)
{
    uint32_t steps = 0;
    while (clock.consumeStep(steps)) ++steps;
    return steps;
}

TEST(FrameClock, AFrameRunsWholeStepsAndRendersWithTheRemainder)
{
    const struct {
        uint32_t start, now;
        bool interpolate;
        uint32_t steps, left;
        bool render;
        float alpha;
    } cases[] = {
        {1000, 1010, true, 1, 0, true, 0.0f},  {0, 37, true, 3, 7, true, 0.7f},
        {UINT32_MAX - 4, 20, true, 2, 5, true, 0.5f}, {0, 4, true, 0, 4, true, 0.4f},
        {0, 4, false, 0, 4, false, 0.0f},      {0, 14, false, 1, 4, true, 1.0f},
        {0, 500, true, 10, 390, true, 1.0f},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.start) + " -> " + std::to_string(c.now));
        FrameClock clock;
        clock.stepLength = 10;
        clock.lastTickCount = c.start;
        clock.beginFrame(c.now);
        const uint32_t steps = runSteps(clock);
        EXPECT_EQ(steps, c.steps);
        EXPECT_EQ(clock.accumulator, c.left);
        const Engine::RenderCall call = clock.renderCall(steps, c.interpolate);
        EXPECT_EQ(call.render, c.render);
        EXPECT_FLOAT_EQ(c.render ? call.alpha : 0.0f, c.alpha);
    }
}

TEST(FrameClock, ALongStallDropsOneStepPerFrameUntilItCatchesUp)
{
    FrameClock clock;
    clock.stepLength = 10;
    clock.lastTickCount = 0;
    clock.beginFrame(1005);
    std::vector<uint32_t> steps;
    for (int frame = 0; frame < 10; ++frame) {
        steps.push_back(runSteps(clock));
        clock.beginFrame(clock.lastTickCount);
    }
    // Each capped frame runs ten updates and drops one step: 1005 - 9 x 110 = 15.
    EXPECT_EQ(steps, (std::vector<uint32_t>{10, 10, 10, 10, 10, 10, 10, 10, 10, 1}));
    EXPECT_EQ(clock.accumulator, 5u);
}

TEST(StepInput, MotionAddsUpTheLastOneNotchWheelEventWinsAndOtherEventsAreQueued)
{
    Engine::EventQueue queue;
    Engine::StepInput step;
    for (const SDL_Event& e : {event(SDL_MOUSEMOTION, 3, -2), event(SDL_KEYDOWN, SDL_SCANCODE_ESCAPE),
                               event(SDL_MOUSEMOTION, 4, 7), event(SDL_QUIT)})
        step.take(e, queue);
    EXPECT_EQ(std::make_pair(step.dx, step.dy), std::make_pair(7, 5));
    ASSERT_EQ(queue.size(), 2u);
    EXPECT_EQ(queue.at(0).key.keysym.scancode, SDL_SCANCODE_ESCAPE);
    const Engine::FrameEvents happened = queue.drain();
    EXPECT_TRUE(happened.quit);
    EXPECT_FALSE(happened.resized);
    EXPECT_EQ(queue.size(), 0u);
    SDL_Event resized = event(SDL_WINDOWEVENT);
    resized.window.event = SDL_WINDOWEVENT_MOVED;
    step.take(resized, queue);
    EXPECT_FALSE(queue.drain().resized) << "a move is not a size change";
    resized.window.event = SDL_WINDOWEVENT_SIZE_CHANGED;
    step.take(resized, queue);
    EXPECT_TRUE(queue.drain().resized);

    const std::pair<std::vector<int32_t>, int32_t> wheels[] = {
        {{1, 1}, 1}, {{1, -1}, -1}, {{-1, 1}, 1}, {{-1, 2}, -1}, {{2, -3, 0}, 0}};
    for (const auto& [amounts, expected] : wheels) {
        Engine::StepInput wheelStep;
        for (int32_t amount : amounts) wheelStep.take(event(SDL_MOUSEWHEEL, amount), queue);
        EXPECT_EQ(wheelStep.wheel, expected) << testing::PrintToString(amounts);
    }
    EXPECT_EQ(queue.size(), 0u);
}

TEST(StepInput, KeyDownsAreListedInOrderWithTheirCtrlAndWithoutRepeats)
{
    Engine::EventQueue queue;
    Engine::StepInput step;
    SDL_Event repeat = event(SDL_KEYDOWN, SDL_SCANCODE_Z, KMOD_LCTRL);
    repeat.key.repeat = 1;
    for (const SDL_Event& e : {event(SDL_KEYDOWN, SDL_SCANCODE_Z, KMOD_LCTRL), repeat, event(SDL_KEYUP, SDL_SCANCODE_Z),
                               event(SDL_KEYDOWN, SDL_SCANCODE_Y, KMOD_RCTRL), event(SDL_KEYDOWN, SDL_SCANCODE_Z, KMOD_LSHIFT)})
        step.take(e, queue);
    std::vector<std::pair<int32_t, bool>> presses;
    for (const Engine::KeyPress& press : step.keyPresses) presses.emplace_back(press.scancode, press.ctrl);
    EXPECT_EQ(presses, (std::vector<std::pair<int32_t, bool>>{
                           {SDL_SCANCODE_Z, true}, {SDL_SCANCODE_Y, true}, {SDL_SCANCODE_Z, false}}));
    EXPECT_EQ(queue.size(), 5u) << "key events are still set aside";
}

TEST(MouseState, RefreshTakesThisStepsMovementAndResetDiscardsOnlyTheNextStep)
{
    Engine::MouseState mouse(nullptr);
    Engine::StepInput moved;
    moved.dx = 12, moved.dy = -5, moved.wheel = -1;
    mouse.refresh(moved, SDL_BUTTON_LMASK, 100, 30, 480);
    EXPECT_EQ(std::make_tuple(mouse.relativeX, mouse.relativeY, mouse.wheel), std::make_tuple(12, -5, -1));
    EXPECT_EQ(std::make_tuple(mouse.x, mouse.y, mouse.glX, mouse.glY), std::make_tuple(100, 30, 100, 450));
    EXPECT_TRUE(mouse.buttonPressed(SDL_BUTTON_LMASK));
    mouse.resetMotion();
    EXPECT_EQ(mouse.relativeX, 0);
    mouse.refresh(moved, SDL_BUTTON_LMASK, 100, 30, 480);
    EXPECT_EQ(std::make_tuple(mouse.relativeX, mouse.relativeY, mouse.wheel), std::make_tuple(0, 0, 0));
    EXPECT_TRUE(mouse.buttonHeld(SDL_BUTTON_LMASK));
    EXPECT_FALSE(mouse.buttonPressed(SDL_BUTTON_LMASK));
    mouse.refresh(moved, 0, 100, 30, 720);
    EXPECT_EQ(std::make_tuple(mouse.relativeX, mouse.wheel, mouse.glY), std::make_tuple(12, -1, 690));
    EXPECT_TRUE(mouse.buttonReleased(SDL_BUTTON_LMASK));
    mouse.refresh(Engine::StepInput{}, 0, 100, 30, 720);
    EXPECT_EQ(std::make_tuple(mouse.relativeX, mouse.wheel), std::make_tuple(0, 0)) << "a step without events";
}

TEST(KeyboardState, AKeyIsPressedInItsFirstStepHeldAfterwardsAndReleasedForOneStep)
{
    std::array<uint8_t, SDL_NUM_SCANCODES> platform{};
    Engine::KeyboardState keys(platform.data(), SDL_NUM_SCANCODES);
    platform[SDL_SCANCODE_W] = 1;
    platform.back() = 1;
    EXPECT_FALSE(keys.held(SDL_SCANCODE_W)) << "only the state at the refresh counts";
    keys.refresh({{SDL_SCANCODE_W, false}, {SDL_SCANCODE_Q, true}});
    EXPECT_TRUE(keys.pressed(SDL_SCANCODE_W) && keys.held(SDL_NUM_SCANCODES - 1));
    EXPECT_EQ(keys.presses.size(), 2u);
    keys.refresh({});
    EXPECT_TRUE(keys.held(SDL_SCANCODE_W) && !keys.pressed(SDL_SCANCODE_W));
    EXPECT_TRUE(keys.presses.empty()) << "presses last one step";
    platform[SDL_SCANCODE_W] = 0;
    keys.refresh({});
    EXPECT_TRUE(keys.released(SDL_SCANCODE_W) && !keys.held(SDL_SCANCODE_W));
    keys.refresh({});
    EXPECT_FALSE(keys.released(SDL_SCANCODE_W));
}

TEST(PadState, SticksRestInsideTheDeadZoneAndScaleFromItsEdgeToFullTilt)
{
    // Raw axes (y down), then the stick (y up).
    const std::tuple<int16_t, int16_t, float, float> cases[] = {
        {0, 0, 0.0f, 0.0f}, {6553, 0, 0.0f, 0.0f}, {0, -6553, 0.0f, 0.0f}, {4600, 4600, 0.0f, 0.0f},
        {6554 + 3277, 0, 0.125f, 0.0f}, {0, 16384, 0.0f, -0.375f}, {32767, 0, 1.0f, 0.0f}, {-32768, 0, -1.0f, 0.0f},
        {32767, -32768, 0.7071f, 0.7071f}, {-16384, 16384, -0.4482f, -0.4482f}};
    for (const auto& [x, y, expectedX, expectedY] : cases) {
        const Engine::Stick stick = Engine::stickAfterDeadZone(x, y);
        EXPECT_NEAR(stick.x, expectedX, 1e-3f) << x << ", " << y;
        EXPECT_NEAR(stick.y, expectedY, 1e-3f) << x << ", " << y;
    }
}

TEST(PadState, FarPushesHoldVirtualButtonsAndANewConnectionStartsReleased)
{
    Engine::PadState pad;
    Engine::PadReading reading{true, {0, -30000, 0, 0, 0, 20000}, 1u << SDL_CONTROLLER_BUTTON_A};
    pad.refresh(reading);
    EXPECT_TRUE(pad.pressed(SDL_CONTROLLER_BUTTON_A) && pad.pressed(Engine::PadState::leftStickUp));
    EXPECT_TRUE(pad.held(Engine::PadState::rightTriggerPulled));
    EXPECT_FALSE(pad.held(Engine::PadState::leftStickDown) || pad.held(SDL_CONTROLLER_BUTTON_B));
    EXPECT_NEAR(pad.rightTrigger, 0.61f, 0.01f);
    reading.axes = {0, -12000, 0, 0, 0, 12000}; // still walking, no longer far enough to step a menu
    pad.refresh(reading);
    EXPECT_FALSE(pad.held(Engine::PadState::leftStickUp) || pad.held(Engine::PadState::rightTriggerPulled));
    EXPECT_GT(pad.leftStick.y, 0.1f);
    EXPECT_FALSE(pad.pressed(SDL_CONTROLLER_BUTTON_A)) << "held, not pressed again";
    pad.refresh(Engine::PadReading{});
    EXPECT_FALSE(pad.connected || pad.held(SDL_CONTROLLER_BUTTON_A) || pad.leftStick.length() > 0.0f);
    pad.refresh(Engine::PadReading{true, {}, 1u << SDL_CONTROLLER_BUTTON_A});
    EXPECT_TRUE(pad.pressed(SDL_CONTROLLER_BUTTON_A)) << "a press after plugging in again";
}

TEST(GLContextRequirement, OnlyCoreProfilesOf33OrLaterAreAccepted)
{
    const std::tuple<int, int, bool, bool> cases[] = {
        {3, 3, true, true}, {4, 0, true, true}, {3, 2, true, false}, {2, 9, true, false}, {4, 5, false, false}};
    for (const auto& [major, minor, core, accepted] : cases)
        EXPECT_EQ(Engine::meetsGLRequirement(major, minor, core), accepted) << major << "." << minor << " " << core;
}

TEST(GlewStartup, OnlyAMissingGLXDisplayIsTriedAgainAndARefusalNamesTheFailingCall)
{
    using Engine::GlewStep;
    const std::tuple<unsigned, bool, int, GlewStep> cases[] = {
        {GLEW_OK, true, 1, GlewStep::goOn},
        {GLEW_OK, false, 2, GlewStep::goOn},
        {GLEW_ERROR_NO_GLX_DISPLAY, true, 1, GlewStep::retry},
        {GLEW_ERROR_NO_GLX_DISPLAY, false, 1, GlewStep::retry},
        {GLEW_ERROR_NO_GLX_DISPLAY, true, 2, GlewStep::goOn},
        {GLEW_ERROR_NO_GLX_DISPLAY, false, 2, GlewStep::refuse},
        {GLEW_ERROR_NO_GL_VERSION, true, 1, GlewStep::refuse},
        {GLEW_ERROR_GL_VERSION_10_ONLY, true, 1, GlewStep::refuse},
        {GLEW_ERROR_GLX_VERSION_11_ONLY, true, 1, GlewStep::refuse},
        {GLEW_ERROR_NO_GLX_DISPLAY + 1, true, 1, GlewStep::refuse},
    };
    for (const auto& [status, current, attempt, step] : cases)
        EXPECT_EQ(Engine::glewStepAfter(status, current, attempt), step) << status << " " << current << " " << attempt;
    EXPECT_EQ(Engine::glewFailure(GLEW_ERROR_NO_GLX_DISPLAY, "x11", true, "stale"),
              "glewInit returned 4 (glXGetCurrentDisplay() gave no display) under SDL's x11 video driver");
    EXPECT_EQ(Engine::glewFailure(GLEW_ERROR_NO_GL_VERSION, "wayland", false, "BadMatch"),
              "glewInit returned 1 (glGetString(GL_VERSION) gave no version) under SDL's wayland video driver; "
              "SDL_GL_GetCurrentContext() is not the new context: BadMatch");
}

} // namespace

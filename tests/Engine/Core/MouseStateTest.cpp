#include "Engine/Core/MouseState.h"

#include <SDL_mouse.h>

#include <gtest/gtest.h>

using Engine::MouseState;
using Engine::StepInput;

namespace {

constexpr int32_t windowHeight = 480;

StepInput movement(int32_t dx, int32_t dy, int32_t wheel = 0)
{
    StepInput step;
    step.dx = dx;
    step.dy = dy;
    step.wheel = wheel;
    return step;
}

} // namespace

TEST(MouseState, StartsAtRestWithTheGivenWindow)
{
    SDL_Window* const window = reinterpret_cast<SDL_Window*>(0x1234);
    const MouseState mouse(window);
    EXPECT_EQ(mouse.window, window);
    EXPECT_FALSE(mouse.resetPending);
    EXPECT_EQ(mouse.relativeX, 0);
    EXPECT_EQ(mouse.buttons, 0u);
    EXPECT_EQ(mouse.previousButtons, 0u);
}

TEST(MouseState, RefreshTakesTheStepsMovementWheelAndCursor)
{
    MouseState mouse(nullptr);
    mouse.refresh(movement(12, -5, -1), 0, 100, 30, windowHeight);
    EXPECT_EQ(mouse.relativeX, 12);
    EXPECT_EQ(mouse.relativeY, -5);
    EXPECT_EQ(mouse.wheel, -1);
    EXPECT_EQ(mouse.x, 100);
    EXPECT_EQ(mouse.y, 30);
}

TEST(MouseState, GlCoordinatesCountFromTheBottomOfTheCurrentWindow)
{
    MouseState mouse(nullptr);
    mouse.refresh(movement(0, 0), 0, 100, 30, windowHeight);
    EXPECT_EQ(mouse.glX, 100);
    EXPECT_EQ(mouse.glY, 450);
    mouse.refresh(movement(0, 0), 0, 100, 30, 720); // after a resize
    EXPECT_EQ(mouse.glY, 690);
}

TEST(MouseState, StepWithoutEventsReportsNoMovement)
{
    MouseState mouse(nullptr);
    mouse.refresh(movement(5, 5, 1), 0, 0, 0, windowHeight);
    mouse.refresh(movement(0, 0), 0, 0, 0, windowHeight);
    EXPECT_EQ(mouse.relativeX, 0);
    EXPECT_EQ(mouse.relativeY, 0);
    EXPECT_EQ(mouse.wheel, 0);
}

TEST(MouseState, ResetMotionZeroesAtOnceAndDiscardsOnlyTheNextStep)
{
    MouseState mouse(nullptr);
    mouse.refresh(movement(8, 9), 0, 0, 0, windowHeight);
    mouse.resetMotion();
    EXPECT_TRUE(mouse.resetPending);
    EXPECT_EQ(mouse.relativeX, 0);
    EXPECT_EQ(mouse.relativeY, 0);

    mouse.refresh(movement(40, 30, 1), 0, 0, 0, windowHeight);
    EXPECT_EQ(mouse.relativeX, 0);
    EXPECT_EQ(mouse.relativeY, 0);
    EXPECT_EQ(mouse.wheel, 0);
    EXPECT_FALSE(mouse.resetPending);

    mouse.refresh(movement(40, 30, 1), 0, 0, 0, windowHeight);
    EXPECT_EQ(mouse.relativeX, 40);
    EXPECT_EQ(mouse.relativeY, 30);
    EXPECT_EQ(mouse.wheel, 1);
}

TEST(MouseState, ResetMotionTwiceBeforeAStepDiscardsOneStepOnly)
{
    MouseState mouse(nullptr);
    mouse.resetMotion();
    mouse.resetMotion();
    mouse.refresh(movement(1, 1), 0, 0, 0, windowHeight);
    mouse.refresh(movement(2, 3), 0, 0, 0, windowHeight);
    EXPECT_EQ(mouse.relativeX, 2);
    EXPECT_EQ(mouse.relativeY, 3);
}

TEST(MouseState, ButtonPressedHeldAndReleasedAcrossSteps)
{
    MouseState mouse(nullptr);
    mouse.refresh(movement(0, 0), SDL_BUTTON_LMASK, 0, 0, windowHeight);
    EXPECT_TRUE(mouse.buttonPressed(SDL_BUTTON_LMASK));
    EXPECT_TRUE(mouse.buttonHeld(SDL_BUTTON_LMASK));
    EXPECT_FALSE(mouse.buttonReleased(SDL_BUTTON_LMASK));

    mouse.refresh(movement(0, 0), SDL_BUTTON_LMASK | SDL_BUTTON_RMASK, 0, 0, windowHeight);
    EXPECT_FALSE(mouse.buttonPressed(SDL_BUTTON_LMASK));
    EXPECT_TRUE(mouse.buttonPressed(SDL_BUTTON_RMASK));

    mouse.refresh(movement(0, 0), SDL_BUTTON_RMASK, 0, 0, windowHeight);
    EXPECT_TRUE(mouse.buttonReleased(SDL_BUTTON_LMASK));
    EXPECT_FALSE(mouse.buttonHeld(SDL_BUTTON_LMASK));
    EXPECT_EQ(mouse.previousButtons, SDL_BUTTON_LMASK | SDL_BUTTON_RMASK);
}

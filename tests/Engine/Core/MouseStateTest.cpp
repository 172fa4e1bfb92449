#include "Engine/Core/MouseState.h"

#include <SDL_mouse.h>

#include <gtest/gtest.h>

using Engine::MouseState;

namespace {

constexpr int32_t windowHeight = 480;

Engine::StepInput movement(int32_t dx, int32_t dy, int32_t wheel = 0)
{
    Engine::StepInput step;
    step.dx = dx;
    step.dy = dy;
    step.wheel = wheel;
    return step;
}

} // namespace

TEST(MouseState, RefreshTakesOnlyThisStepsMovementAndTheCursorInBothOrigins)
{
    MouseState mouse(nullptr);
    mouse.refresh(movement(12, -5, -1), 0, 100, 30, windowHeight);
    EXPECT_EQ(mouse.relativeX, 12);
    EXPECT_EQ(mouse.relativeY, -5);
    EXPECT_EQ(mouse.wheel, -1);
    EXPECT_EQ(mouse.x, 100);
    EXPECT_EQ(mouse.y, 30);
    EXPECT_EQ(mouse.glX, 100);
    EXPECT_EQ(mouse.glY, 450);

    mouse.refresh(movement(0, 0), 0, 100, 30, 720); // a step without events, after a resize
    EXPECT_EQ(mouse.relativeX, 0);
    EXPECT_EQ(mouse.relativeY, 0);
    EXPECT_EQ(mouse.wheel, 0);
    EXPECT_EQ(mouse.glY, 690);
}

TEST(MouseState, ResetMotionZeroesAtOnceAndDiscardsOnlyTheNextStep)
{
    MouseState mouse(nullptr);
    mouse.refresh(movement(8, 9), 0, 0, 0, windowHeight);
    mouse.resetMotion();
    mouse.resetMotion();
    EXPECT_EQ(mouse.relativeX, 0);
    EXPECT_EQ(mouse.relativeY, 0);

    mouse.refresh(movement(40, 30, 1), 0, 0, 0, windowHeight);
    EXPECT_EQ(mouse.relativeX, 0);
    EXPECT_EQ(mouse.relativeY, 0);
    EXPECT_EQ(mouse.wheel, 0);

    mouse.refresh(movement(40, 30, 1), 0, 0, 0, windowHeight);
    EXPECT_EQ(mouse.relativeX, 40);
    EXPECT_EQ(mouse.relativeY, 30);
    EXPECT_EQ(mouse.wheel, 1);
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
}

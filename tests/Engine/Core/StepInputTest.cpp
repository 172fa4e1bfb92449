#include "Engine/Core/StepInput.h"

#include "tests/Engine/Core/InputEvents.h"

#include <gtest/gtest.h>

#include <initializer_list>

using Engine::EventQueue;
using Engine::StepInput;

namespace {

StepInput takeAll(std::initializer_list<SDL_Event> events, EventQueue& queue)
{
    StepInput step;
    for (const SDL_Event& event : events)
        step.take(event, queue);
    return step;
}

} // namespace

TEST(StepInput, MotionEventsOfAStepAddUp)
{
    EventQueue queue;
    const StepInput step = takeAll({TestEvents::motion(3, -2), TestEvents::motion(4, 7), TestEvents::motion(-1, 0)}, queue);
    EXPECT_EQ(step.dx, 6);
    EXPECT_EQ(step.dy, 5);
    EXPECT_EQ(step.wheel, 0);
    EXPECT_EQ(queue.size(), 0u);
}

TEST(StepInput, LastWheelNotchOfTheStepWinsWithoutAdding)
{
    EventQueue queue;
    EXPECT_EQ(takeAll({TestEvents::wheel(1), TestEvents::wheel(1)}, queue).wheel, 1);
    EXPECT_EQ(takeAll({TestEvents::wheel(1), TestEvents::wheel(-1)}, queue).wheel, -1);
    EXPECT_EQ(takeAll({TestEvents::wheel(-1), TestEvents::wheel(1)}, queue).wheel, 1);
}

TEST(StepInput, WheelAmountsOtherThanOneNotchAreIgnored)
{
    EventQueue queue;
    EXPECT_EQ(takeAll({TestEvents::wheel(-1), TestEvents::wheel(2)}, queue).wheel, -1);
    EXPECT_EQ(takeAll({TestEvents::wheel(2), TestEvents::wheel(-3), TestEvents::wheel(0)}, queue).wheel, 0);
    EXPECT_EQ(queue.size(), 0u);
}

TEST(StepInput, OtherEventsAreQueuedWholeInArrivalOrder)
{
    EventQueue queue;
    takeAll({TestEvents::key(SDL_KEYDOWN, SDL_SCANCODE_ESCAPE), TestEvents::motion(1, 1),
             TestEvents::ofType(SDL_TEXTINPUT), TestEvents::ofType(SDL_MOUSEBUTTONUP)},
            queue);
    ASSERT_EQ(queue.size(), 3u);
    EXPECT_EQ(queue.at(0).type, static_cast<uint32_t>(SDL_KEYDOWN));
    EXPECT_EQ(queue.at(0).key.keysym.scancode, SDL_SCANCODE_ESCAPE);
    EXPECT_EQ(queue.at(1).type, static_cast<uint32_t>(SDL_TEXTINPUT));
    EXPECT_EQ(queue.at(2).type, static_cast<uint32_t>(SDL_MOUSEBUTTONUP));
}

TEST(EventQueue, QuitTakenDuringAStepIsSeenAtTheNextDrain)
{
    EventQueue queue;
    takeAll({TestEvents::ofType(SDL_WINDOWEVENT), TestEvents::ofType(SDL_QUIT),
             TestEvents::key(SDL_KEYUP, SDL_SCANCODE_A)},
            queue);
    EXPECT_TRUE(queue.drainQuitRequest());
    EXPECT_EQ(queue.size(), 0u);
    EXPECT_FALSE(queue.drainQuitRequest());
}

TEST(EventQueue, DrainWithoutQuitDiscardsEverything)
{
    EventQueue queue;
    queue.push(TestEvents::key(SDL_KEYDOWN, SDL_SCANCODE_W));
    queue.push(TestEvents::ofType(SDL_WINDOWEVENT));
    EXPECT_FALSE(queue.drainQuitRequest());
    EXPECT_EQ(queue.size(), 0u);
}

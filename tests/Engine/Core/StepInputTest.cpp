#include "Engine/Core/StepInput.h"

#include "tests/Engine/Core/InputEvents.h"

#include <gtest/gtest.h>

#include <vector>

using Engine::EventQueue;
using Engine::StepInput;

namespace {

StepInput takeAll(const std::vector<SDL_Event>& events, EventQueue& queue)
{
    StepInput step;
    for (const SDL_Event& event : events)
        step.take(event, queue);
    return step;
}

} // namespace

TEST(StepInput, MotionAddsUpAndOtherEventsAreQueuedWholeInArrivalOrder)
{
    EventQueue queue;
    const StepInput step = takeAll({TestEvents::key(SDL_KEYDOWN, SDL_SCANCODE_ESCAPE), TestEvents::motion(3, -2),
                                    TestEvents::ofType(SDL_TEXTINPUT), TestEvents::motion(4, 7),
                                    TestEvents::ofType(SDL_MOUSEBUTTONUP), TestEvents::motion(-1, 0)},
                                   queue);
    EXPECT_EQ(step.dx, 6);
    EXPECT_EQ(step.dy, 5);
    EXPECT_EQ(step.wheel, 0);
    ASSERT_EQ(queue.size(), 3u);
    EXPECT_EQ(queue.at(0).type, static_cast<uint32_t>(SDL_KEYDOWN));
    EXPECT_EQ(queue.at(0).key.keysym.scancode, SDL_SCANCODE_ESCAPE);
    EXPECT_EQ(queue.at(1).type, static_cast<uint32_t>(SDL_TEXTINPUT));
    EXPECT_EQ(queue.at(2).type, static_cast<uint32_t>(SDL_MOUSEBUTTONUP));
}

TEST(StepInput, LastOneNotchWheelEventWinsAndOtherAmountsAreIgnored)
{
    const std::vector<std::pair<std::vector<int32_t>, int32_t>> cases = {
        {{1, 1}, 1}, {{1, -1}, -1}, {{-1, 1}, 1}, {{-1, 2}, -1}, {{2, -3, 0}, 0},
    };
    for (const auto& [amounts, expected] : cases) {
        SCOPED_TRACE(testing::PrintToString(amounts));
        std::vector<SDL_Event> events;
        for (int32_t amount : amounts)
            events.push_back(TestEvents::wheel(amount));
        EventQueue queue;
        EXPECT_EQ(takeAll(events, queue).wheel, expected);
        EXPECT_EQ(queue.size(), 0u);
    }
}

TEST(EventQueue, DrainReportsAQueuedQuitOnceAndDiscardsEverything)
{
    EventQueue queue;
    takeAll({TestEvents::ofType(SDL_WINDOWEVENT), TestEvents::ofType(SDL_QUIT),
             TestEvents::key(SDL_KEYUP, SDL_SCANCODE_A)},
            queue);
    EXPECT_TRUE(queue.drainQuitRequest());
    EXPECT_EQ(queue.size(), 0u);
    queue.push(TestEvents::key(SDL_KEYDOWN, SDL_SCANCODE_W));
    EXPECT_FALSE(queue.drainQuitRequest());
    EXPECT_EQ(queue.size(), 0u);
}

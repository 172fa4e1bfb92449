#include "Engine/Core/KeyboardState.h"

#include <SDL_scancode.h>

#include <gtest/gtest.h>

#include <array>

using Engine::KeyboardState;

namespace {

// Stands in for the platform's key array, which changes under the record.
struct PlatformKeys {
    std::array<uint8_t, SDL_NUM_SCANCODES> state{};
    KeyboardState record{state.data(), SDL_NUM_SCANCODES};
};

} // namespace

TEST(KeyboardState, StartsWithNothingHeld)
{
    PlatformKeys keys;
    keys.state[SDL_SCANCODE_W] = 1;
    EXPECT_EQ(keys.record.keyCount, SDL_NUM_SCANCODES);
    EXPECT_EQ(keys.record.current.size(), static_cast<size_t>(SDL_NUM_SCANCODES));
    EXPECT_FALSE(keys.record.held(SDL_SCANCODE_W));
    EXPECT_FALSE(keys.record.pressed(SDL_SCANCODE_W));
}

TEST(KeyboardState, KeyHeldAtTheFirstRefreshReadsAsPressed)
{
    PlatformKeys keys;
    keys.state[SDL_SCANCODE_ESCAPE] = 1;
    keys.record.refresh();
    EXPECT_TRUE(keys.record.held(SDL_SCANCODE_ESCAPE));
    EXPECT_TRUE(keys.record.pressed(SDL_SCANCODE_ESCAPE));
    EXPECT_FALSE(keys.record.released(SDL_SCANCODE_ESCAPE));
}

TEST(KeyboardState, HeldKeyIsPressedOnlyInItsFirstStep)
{
    PlatformKeys keys;
    keys.state[SDL_SCANCODE_ESCAPE] = 1;
    keys.record.refresh();
    keys.record.refresh();
    EXPECT_TRUE(keys.record.held(SDL_SCANCODE_ESCAPE));
    EXPECT_FALSE(keys.record.pressed(SDL_SCANCODE_ESCAPE));
    EXPECT_EQ(keys.record.previous[SDL_SCANCODE_ESCAPE], 1);
}

TEST(KeyboardState, LetGoKeyIsReleasedForOneStep)
{
    PlatformKeys keys;
    keys.state[SDL_SCANCODE_A] = 1;
    keys.record.refresh();
    keys.state[SDL_SCANCODE_A] = 0;
    keys.record.refresh();
    EXPECT_TRUE(keys.record.released(SDL_SCANCODE_A));
    EXPECT_FALSE(keys.record.held(SDL_SCANCODE_A));
    keys.record.refresh();
    EXPECT_FALSE(keys.record.released(SDL_SCANCODE_A));
}

TEST(KeyboardState, KeyDownAndUpBetweenTwoRefreshesIsNeverSeen)
{
    PlatformKeys keys;
    keys.record.refresh();
    keys.state[SDL_SCANCODE_D] = 1;
    keys.state[SDL_SCANCODE_D] = 0;
    keys.record.refresh();
    EXPECT_EQ(keys.record.current[SDL_SCANCODE_D], 0);
    EXPECT_EQ(keys.record.previous[SDL_SCANCODE_D], 0);
}

TEST(KeyboardState, EveryKeyOfThePlatformArrayIsCopied)
{
    PlatformKeys keys;
    keys.state.front() = 1;
    keys.state.back() = 1;
    keys.record.refresh();
    EXPECT_EQ(keys.record.current.front(), 1);
    EXPECT_EQ(keys.record.current.back(), 1);
}

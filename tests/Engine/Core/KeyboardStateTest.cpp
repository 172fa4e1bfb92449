#include "Engine/Core/KeyboardState.h"

#include <SDL_scancode.h>

#include <gtest/gtest.h>

#include <array>

namespace {

// Stands in for the platform's key array, which changes under the record.
struct PlatformKeys {
    std::array<uint8_t, SDL_NUM_SCANCODES> state{};
    Engine::KeyboardState record{state.data(), SDL_NUM_SCANCODES};
};

} // namespace

TEST(KeyboardState, KeyIsPressedInItsFirstStepHeldAfterwardsAndReleasedForOneStep)
{
    PlatformKeys keys;
    keys.state[SDL_SCANCODE_W] = 1;
    EXPECT_FALSE(keys.record.held(SDL_SCANCODE_W));
    keys.record.refresh();
    EXPECT_TRUE(keys.record.pressed(SDL_SCANCODE_W));
    EXPECT_FALSE(keys.record.released(SDL_SCANCODE_W));
    keys.record.refresh();
    EXPECT_TRUE(keys.record.held(SDL_SCANCODE_W));
    EXPECT_FALSE(keys.record.pressed(SDL_SCANCODE_W));
    keys.state[SDL_SCANCODE_W] = 0;
    keys.record.refresh();
    EXPECT_TRUE(keys.record.released(SDL_SCANCODE_W));
    EXPECT_FALSE(keys.record.held(SDL_SCANCODE_W));
    keys.record.refresh();
    EXPECT_FALSE(keys.record.released(SDL_SCANCODE_W));
}

TEST(KeyboardState, OnlyTheStateAtRefreshCountsForEveryKey)
{
    PlatformKeys keys;
    keys.state.front() = 1;
    keys.state.back() = 1;
    keys.state[SDL_SCANCODE_D] = 1;
    keys.state[SDL_SCANCODE_D] = 0;
    keys.record.refresh();
    EXPECT_TRUE(keys.record.held(0));
    EXPECT_TRUE(keys.record.held(SDL_NUM_SCANCODES - 1));
    EXPECT_FALSE(keys.record.held(SDL_SCANCODE_D));
}

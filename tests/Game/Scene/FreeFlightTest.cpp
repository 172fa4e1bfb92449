#include "Game/Scene/FreeCamMovementSystem.h"

#include "Engine/Core/KeyboardState.h"

#include "SceneWorld.h"

#include <gtest/gtest.h>

#include <SDL_scancode.h>

#include <array>
#include <cmath>
#include <vector>

namespace {

class FreeFlight : public SceneWorld {
protected:
    FreeFlight()
    {
        world.addSystem(FreeCamMovementSystem(&world, &keyboard));
        entity = world.createEntity();
        world.addComponent(entity, TransformComponent(glm::vec3(0.0f)));
        world.addComponent(entity, CameraModificationComponent());
        world.addComponent(entity, FreeCamMovementComponent(true));
        world.refresh();
    }

    // One step with the keys held, looking at (yaw, pitch); returns the move.
    glm::vec3 flyWith(const std::vector<SDL_Scancode>& keys, float yaw = 0.0f, float pitch = 0.0f)
    {
        CameraModificationComponent& angles = world.getComponent<CameraModificationComponent>(entity);
        angles.yaw = angles.previousYaw = yaw;
        angles.pitch = angles.previousPitch = pitch;
        keyboard.current.assign(SDL_NUM_SCANCODES, 0);
        for (SDL_Scancode key : keys) keyboard.current[key] = 1;
        const glm::vec3 before = world.getComponent<TransformComponent>(entity).position;
        system<FreeCamMovementSystem>().run(0.0f);
        return world.getComponent<TransformComponent>(entity).position - before;
    }

    std::array<uint8_t, SDL_NUM_SCANCODES> platformKeys{};
    Engine::KeyboardState keyboard{platformKeys.data(), SDL_NUM_SCANCODES};
    uint32_t entity = 0;
};

TEST_F(FreeFlight, EachStepMovesHalfAMetreAlongTheHeldKeysRelativeToTheView)
{
    const float diagonal = 0.5f * std::sqrt(0.5f);
    const struct {
        std::vector<SDL_Scancode> keys;
        float yaw, pitch;
        glm::vec3 expected;
    } rows[] = {
        {{SDL_SCANCODE_W}, 90.0f, 0.0f, {0.0f, 0.5f, 0.0f}},
        {{SDL_SCANCODE_S}, 90.0f, 0.0f, {0.0f, -0.5f, 0.0f}},
        {{SDL_SCANCODE_D}, 0.0f, 0.0f, {0.0f, -0.5f, 0.0f}},
        {{SDL_SCANCODE_W, SDL_SCANCODE_A}, 0.0f, 0.0f, {diagonal, diagonal, 0.0f}},
        {{SDL_SCANCODE_W}, 0.0f, 90.0f, {0.0f, 0.0f, 0.5f}},
        {{SDL_SCANCODE_W, SDL_SCANCODE_S, SDL_SCANCODE_A}, 0.0f, 0.0f, {0.0f, 0.5f, 0.0f}},
        {{SDL_SCANCODE_W, SDL_SCANCODE_S}, 0.0f, 0.0f, {0.0f, 0.0f, 0.0f}},
        {{SDL_SCANCODE_A, SDL_SCANCODE_D}, 0.0f, 0.0f, {0.0f, 0.0f, 0.0f}},
        {{}, 0.0f, 0.0f, {0.0f, 0.0f, 0.0f}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << row.keys.size() << " keys, yaw " << row.yaw << ", pitch " << row.pitch);
        EXPECT_TRUE(vectorsNear(row.expected, flyWith(row.keys, row.yaw, row.pitch)));
    }
    EXPECT_NEAR(0.5f, glm::length(flyWith({SDL_SCANCODE_S, SDL_SCANCODE_D}, 33.0f, -61.0f)), 1e-6f);
}

TEST_F(FreeFlight, SwitchedOffFlightIgnoresTheKeys)
{
    world.getComponent<FreeCamMovementComponent>(entity).enabled = false;
    EXPECT_TRUE(vectorsNear(glm::vec3(0.0f), flyWith({SDL_SCANCODE_W})));
}

} // namespace

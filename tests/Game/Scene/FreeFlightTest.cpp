#include "Game/Scene/FreeCamMovementSystem.h"

#include "Engine/Core/KeyboardState.h"

#include "SceneWorld.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>

namespace {

constexpr int32_t keyCount = 512;
constexpr int32_t keyW = 26;
constexpr int32_t keyA = 4;
constexpr int32_t keyS = 22;
constexpr int32_t keyD = 7;

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

    void look(float yaw, float pitch)
    {
        CameraModificationComponent& angles = world.getComponent<CameraModificationComponent>(entity);
        angles.yaw = angles.previousYaw = yaw;
        angles.pitch = angles.previousPitch = pitch;
    }

    glm::vec3 flyWith(std::initializer_list<int32_t> keys)
    {
        for (int32_t key : keys) keyboard.current[key] = 1;
        const glm::vec3 before = world.getComponent<TransformComponent>(entity).position;
        system<FreeCamMovementSystem>().run(0.0f);
        return world.getComponent<TransformComponent>(entity).position - before;
    }

    std::array<uint8_t, keyCount> platformKeys{};
    Engine::KeyboardState keyboard{platformKeys.data(), keyCount};
    uint32_t entity = 0;
};

TEST_F(FreeFlight, ForwardFollowsTheYaw)
{
    look(90.0f, 0.0f);
    EXPECT_TRUE(vectorsNear(glm::vec3(0.0f, 0.5f, 0.0f), flyWith({keyW})));
}

TEST_F(FreeFlight, ForwardAndLeftGoHalfWayToTheLeft)
{
    const float diagonal = 0.5f * std::sqrt(0.5f);
    EXPECT_TRUE(vectorsNear(glm::vec3(diagonal, diagonal, 0.0f), flyWith({keyW, keyA})));
}

TEST_F(FreeFlight, BackAloneGoesBackwards)
{
    look(90.0f, 0.0f);
    EXPECT_TRUE(vectorsNear(glm::vec3(0.0f, -0.5f, 0.0f), flyWith({keyS})));
}

TEST_F(FreeFlight, RightGoesToTheRightOfTheView)
{
    EXPECT_TRUE(vectorsNear(glm::vec3(0.0f, -0.5f, 0.0f), flyWith({keyD})));
}

TEST_F(FreeFlight, EveryStepIsHalfAMetreWhateverTheView)
{
    look(33.0f, -61.0f);
    EXPECT_NEAR(0.5f, glm::length(flyWith({keyS, keyD})), 1e-6f);
}

TEST_F(FreeFlight, ForwardFlightClimbsWithThePitch)
{
    look(0.0f, 90.0f);
    EXPECT_TRUE(vectorsNear(glm::vec3(0.0f, 0.0f, 0.5f), flyWith({keyW})));
}

TEST_F(FreeFlight, OppositeKeysCancel)
{
    EXPECT_TRUE(vectorsNear(glm::vec3(0.0f), flyWith({keyW, keyS})));
    EXPECT_TRUE(vectorsNear(glm::vec3(0.0f), flyWith({keyA, keyD})));
}

TEST_F(FreeFlight, OppositeKeysLeaveTheThirdDirection)
{
    EXPECT_TRUE(vectorsNear(glm::vec3(0.0f, 0.5f, 0.0f), flyWith({keyW, keyS, keyA})));
}

TEST_F(FreeFlight, NoKeyNoMovement)
{
    EXPECT_TRUE(vectorsNear(glm::vec3(0.0f), flyWith({})));
}

TEST_F(FreeFlight, SwitchedOffFlightIgnoresTheKeys)
{
    world.getComponent<FreeCamMovementComponent>(entity).enabled = false;
    EXPECT_TRUE(vectorsNear(glm::vec3(0.0f), flyWith({keyW})));
}

} // namespace

#pragma once

#include "Engine/ECS/EntityManager.h"
#include "Game/Scene/CameraComponent.h"
#include "Game/Scene/CameraControlComponents.h"
#include "Game/Scene/CameraModificationComponent.h"
#include "Game/Scene/RotationAnimationComponent.h"
#include "Game/Scene/TransformComponent.h"

#include <glm/glm.hpp>
#include <glm/gtc/quaternion.hpp>
#include <glm/gtx/string_cast.hpp>

#include <gtest/gtest.h>

#include <cstdint>

// A world with the scene's component types registered, for driving the scene
// systems as the game does: add components, commit, run.
class SceneWorld : public ::testing::Test {
protected:
    SceneWorld()
    {
        world.registerComponent<TransformComponent>();
        world.registerComponent<FreeCamMovementComponent>();
        world.registerComponent<RotationAnimationComponent>();
        world.registerComponent<CameraMouseShiftComponent>();
        world.registerComponent<CameraMouseZoomMoveComponent>();
        world.registerComponent<CameraMouseMovementComponent>();
        world.registerComponent<CameraModificationComponent>();
        world.registerComponent<CameraComponent>();
    }

    Engine::ECS::EntityManager world;
};

inline ::testing::AssertionResult vectorsNear(const glm::vec3& expected, const glm::vec3& actual)
{
    if (glm::length(expected - actual) <= 1e-5f) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "expected " << glm::to_string(expected) << " but got "
                                         << glm::to_string(actual);
}

inline ::testing::AssertionResult matricesNear(const glm::mat4& expected, const glm::mat4& actual)
{
    for (int column = 0; column < 4; ++column) {
        if (glm::length(expected[column] - actual[column]) > 1e-5f) {
            return ::testing::AssertionFailure() << "expected " << glm::to_string(expected) << " but got "
                                                 << glm::to_string(actual);
        }
    }
    return ::testing::AssertionSuccess();
}

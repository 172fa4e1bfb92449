#pragma once

#include "Engine/ECS/EntityManager.h"
#include "Game/Scene/CameraComponent.h"
#include "Game/Scene/CameraControlComponents.h"
#include "Game/Scene/CameraModificationComponent.h"
#include "Game/Scene/RotationAnimationComponent.h"
#include "Game/Scene/TransformComponent.h"

#include <glm/glm.hpp>
#include <glm/gtc/quaternion.hpp>

#include <gtest/gtest.h>

#include <cmath>
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

    template <class S>
    S& system()
    {
        return world.getSystem<S>();
    }

    Engine::ECS::EntityManager world;
};

inline ::testing::AssertionResult vectorsNear(const glm::vec3& expected, const glm::vec3& actual, float tolerance = 1e-5f)
{
    if (glm::length(expected - actual) <= tolerance) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "expected (" << expected.x << ", " << expected.y << ", " << expected.z
                                         << ") but got (" << actual.x << ", " << actual.y << ", " << actual.z << ")";
}

inline ::testing::AssertionResult matricesNear(const glm::mat4& expected, const glm::mat4& actual, float tolerance = 1e-5f)
{
    for (int column = 0; column < 4; ++column) {
        for (int row = 0; row < 4; ++row) {
            if (std::abs(expected[column][row] - actual[column][row]) > tolerance) {
                return ::testing::AssertionFailure() << "element [" << column << "][" << row << "] expected "
                                                     << expected[column][row] << " but got " << actual[column][row];
            }
        }
    }
    return ::testing::AssertionSuccess();
}

#pragma once

#include "Engine/ECS/Component.h"

#include <glm/glm.hpp>

#include <cstdint>

// Turns the entity about an axis of its own frame by a fixed angle every
// update step.
struct RotationAnimationComponent : Engine::ECS::Component {
    static constexpr uint32_t _cType = 5;

    RotationAnimationComponent() = default;
    RotationAnimationComponent(float angleStep, const glm::vec3& axis) : angleStep(angleStep), axis(axis) {}

    // Degrees per update step.
    float angleStep = 0.0f;
    // Used as given; a non-unit axis scales the step's quaternion.
    glm::vec3 axis = glm::vec3(0.0f);
};

#pragma once

#include "Engine/ECS/Component.h"

#include <glm/glm.hpp>
#include <glm/gtc/quaternion.hpp>

#include <cstdint>

// Where an entity is in the world. The current state is what the update step
// changes; the previous state is the state at the start of the step, kept so
// that a frame drawn between two steps can blend the two.
struct TransformComponent : Engine::ECS::Component {
    static constexpr uint32_t _cType = 1;

    TransformComponent() = default;
    // A new transform starts at rest: previous = current, so the entity draws
    // at its own place from the first frame.
    explicit TransformComponent(const glm::vec3& position,
                                const glm::vec3& scale = glm::vec3(1.0f),
                                const glm::quat& rotation = glm::quat(1.0f, 0.0f, 0.0f, 0.0f))
        : position(position), scale(scale), rotation(rotation),
          previousPosition(position), previousScale(scale), previousRotation(rotation)
    {
    }

    // Written at draw time from the blended state.
    glm::mat4 modelMatrix = glm::mat4(1.0f);

    glm::vec3 position = glm::vec3(0.0f);
    glm::vec3 scale = glm::vec3(1.0f);
    glm::quat rotation = glm::quat(1.0f, 0.0f, 0.0f, 0.0f);

    glm::vec3 previousPosition = glm::vec3(0.0f);
    glm::vec3 previousScale = glm::vec3(1.0f);
    glm::quat previousRotation = glm::quat(1.0f, 0.0f, 0.0f, 0.0f);
};

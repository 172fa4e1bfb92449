#pragma once

#include "Engine/ECS/System.h"

#include <glm/glm.hpp>
#include <glm/gtc/quaternion.hpp>

// Turns every animated entity by its angle step once per update step.
class RotationAnimationSystem : public Engine::ECS::System {
public:
    explicit RotationAnimationSystem(Engine::ECS::EntityManager* world);
    void update(uint32_t entity, float dt) override;
};

// normalize(rotation × d) with d the quaternion (axis × sin h, cos h),
// h = half the step in radians: the step turns about the entity's own axis.
// A product of length zero yields the identity rotation.
glm::quat rotationAnimationStep(const glm::quat& rotation, float angleStepDegrees, const glm::vec3& axis);

#include "Game/Scene/RotationAnimationSystem.h"

#include "Engine/ECS/EntityManager.h"
#include "Game/Scene/RotationAnimationComponent.h"
#include "Game/Scene/TransformComponent.h"

#include <cmath>

namespace {
constexpr float degreesToRadians = 0.017453292f;
const glm::quat identityRotation(1.0f, 0.0f, 0.0f, 0.0f);
} // namespace

RotationAnimationSystem::RotationAnimationSystem(Engine::ECS::EntityManager* world)
    : System(world, {TransformComponent::_cType, RotationAnimationComponent::_cType})
{
}

void RotationAnimationSystem::update(uint32_t entity, float)
{
    const RotationAnimationComponent& animation = world->getComponent<RotationAnimationComponent>(entity);
    TransformComponent& transform = world->getComponent<TransformComponent>(entity);
    transform.rotation = rotationAnimationStep(transform.rotation, animation.angleStep, animation.axis);
}

glm::quat rotationAnimationStep(const glm::quat& rotation, float angleStepDegrees, const glm::vec3& axis)
{
    const float halfAngle = angleStepDegrees * degreesToRadians * 0.5f;
    const glm::vec3 vectorPart = axis * std::sin(halfAngle);
    const glm::quat step(std::cos(halfAngle), vectorPart.x, vectorPart.y, vectorPart.z);
    const glm::quat product = rotation * step;
    const float length = glm::length(product);
    if (!(length > 0.0f)) return identityRotation;
    return product / length;
}

#include "Game/Scene/TransformStateCopySystem.h"

#include "Engine/ECS/EntityManager.h"
#include "Game/Scene/TransformComponent.h"

TransformStateCopySystem::TransformStateCopySystem(Engine::ECS::EntityManager* world)
    : System(world, {TransformComponent::_cType})
{
}

void TransformStateCopySystem::update(uint32_t entity, float)
{
    TransformComponent& transform = world->getComponent<TransformComponent>(entity);
    transform.previousPosition = transform.position;
    transform.previousScale = transform.scale;
    transform.previousRotation = transform.rotation;
}

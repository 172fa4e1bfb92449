#include "Game/Scene/TransformMatrixRefreshSystem.h"

#include "Engine/ECS/EntityManager.h"
#include "Game/Scene/TransformComponent.h"
#include "Game/Scene/TransformInterpolation.h"

TransformMatrixRefreshSystem::TransformMatrixRefreshSystem(Engine::ECS::EntityManager* world)
    : System(world, {TransformComponent::_cType})
{
}

void TransformMatrixRefreshSystem::update(uint32_t entity, float alpha)
{
    TransformComponent& transform = world->getComponent<TransformComponent>(entity);
    transform.modelMatrix = interpolatedModelMatrix(transform, alpha);
}

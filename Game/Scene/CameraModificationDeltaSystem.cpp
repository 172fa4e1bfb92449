#include "Game/Scene/CameraModificationDeltaSystem.h"

#include "Engine/ECS/EntityManager.h"
#include "Game/Scene/CameraComponent.h"
#include "Game/Scene/CameraModificationComponent.h"
#include "Game/Scene/CameraSteering.h"
#include "Game/Scene/TransformComponent.h"

CameraModificationDeltaSystem::CameraModificationDeltaSystem(Engine::ECS::EntityManager* world)
    : System(world, {CameraModificationComponent::_cType, TransformComponent::_cType, CameraComponent::_cType})
{
}

void CameraModificationDeltaSystem::update(uint32_t entity, float alpha)
{
    const TransformComponent& transform = world->getComponent<TransformComponent>(entity);
    const CameraModificationComponent& modification = world->getComponent<CameraModificationComponent>(entity);
    Camera& camera = world->getComponent<CameraComponent>(entity).camera;
    buildView(camera, transform, modification, alpha);
}

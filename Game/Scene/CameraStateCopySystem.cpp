#include "Game/Scene/CameraStateCopySystem.h"

#include "Engine/ECS/EntityManager.h"
#include "Game/Scene/CameraComponent.h"

CameraStateCopySystem::CameraStateCopySystem(Engine::ECS::EntityManager* world)
    : System(world, {CameraComponent::_cType})
{
}

void CameraStateCopySystem::update(uint32_t entity, float)
{
    CameraComponent& component = world->getComponent<CameraComponent>(entity);
    component.previousCamera = Camera::directionCopy(component.camera);
}

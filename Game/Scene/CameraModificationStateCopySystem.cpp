#include "Game/Scene/CameraModificationStateCopySystem.h"

#include "Engine/ECS/EntityManager.h"
#include "Game/Scene/CameraModificationComponent.h"

CameraModificationStateCopySystem::CameraModificationStateCopySystem(Engine::ECS::EntityManager* world)
    : System(world, {CameraModificationComponent::_cType})
{
}

void CameraModificationStateCopySystem::update(uint32_t entity, float)
{
    CameraModificationComponent& modification = world->getComponent<CameraModificationComponent>(entity);
    modification.previousOffset = modification.offset;
    modification.previousYaw = modification.yaw;
    modification.previousPitch = modification.pitch;
    modification.previousRoll = modification.roll;
}

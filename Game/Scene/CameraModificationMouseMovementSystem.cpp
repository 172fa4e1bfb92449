#include "Game/Scene/CameraModificationMouseMovementSystem.h"

#include "Engine/Core/MouseState.h"
#include "Engine/Core/PadState.h"
#include "Engine/ECS/EntityManager.h"
#include "Game/Scene/CameraControlComponents.h"
#include "Game/Scene/CameraModificationComponent.h"
#include "Game/Scene/CameraSteering.h"

CameraModificationMouseMovementSystem::CameraModificationMouseMovementSystem(Engine::ECS::EntityManager* world,
                                                                             const Engine::MouseState* mouse,
                                                                             const Engine::PadState* pad)
    : System(world, {CameraModificationComponent::_cType, CameraMouseMovementComponent::_cType}), mouse(mouse), pad(pad)
{
}

void CameraModificationMouseMovementSystem::update(uint32_t entity, float)
{
    if (!world->getComponent<CameraMouseMovementComponent>(entity).enabled) return;
    CameraModificationComponent& modification = world->getComponent<CameraModificationComponent>(entity);
    applyMouseLook(modification, mouse->relativeX, mouse->relativeY, mouseSpeed);
    applyStickLook(modification, pad->rightStick.x, pad->rightStick.y, mouseSpeed);
}

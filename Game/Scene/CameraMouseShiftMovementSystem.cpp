#include "Game/Scene/CameraMouseShiftMovementSystem.h"

#include "Engine/Core/MouseState.h"
#include "Engine/ECS/EntityManager.h"
#include "Game/Scene/CameraComponent.h"
#include "Game/Scene/CameraControlComponents.h"
#include "Game/Scene/CameraSteering.h"
#include "Game/Scene/TransformComponent.h"

CameraMouseShiftMovementSystem::CameraMouseShiftMovementSystem(Engine::ECS::EntityManager* world,
                                                               const Engine::MouseState* mouse)
    : System(world, {CameraComponent::_cType, CameraMouseShiftComponent::_cType, TransformComponent::_cType}),
      mouse(mouse)
{
}

void CameraMouseShiftMovementSystem::update(uint32_t entity, float)
{
    if (!world->getComponent<CameraMouseShiftComponent>(entity).enabled) return;
    const Camera& camera = world->getComponent<CameraComponent>(entity).camera;
    world->getComponent<TransformComponent>(entity).position += panStep(camera, mouse->relativeX, mouse->relativeY);
}

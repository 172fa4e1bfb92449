#include "Game/Scene/CameraMouseZoomMovementSystem.h"

#include "Engine/Core/MouseState.h"
#include "Engine/ECS/EntityManager.h"
#include "Game/Scene/CameraComponent.h"
#include "Game/Scene/CameraControlComponents.h"
#include "Game/Scene/CameraSteering.h"
#include "Game/Scene/TransformComponent.h"

CameraMouseZoomMovementSystem::CameraMouseZoomMovementSystem(Engine::ECS::EntityManager* world,
                                                             const Engine::MouseState* mouse)
    : System(world, {CameraComponent::_cType, CameraMouseZoomMoveComponent::_cType, TransformComponent::_cType}),
      mouse(mouse)
{
}

void CameraMouseZoomMovementSystem::update(uint32_t entity, float)
{
    if (!world->getComponent<CameraMouseZoomMoveComponent>(entity).enabled) return;
    const Camera& camera = world->getComponent<CameraComponent>(entity).camera;
    world->getComponent<TransformComponent>(entity).position += zoomStep(camera, mouse->wheel);
}

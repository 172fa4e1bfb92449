#include "Game/Scene/FreeCamMovementSystem.h"

#include "Engine/Core/KeyboardState.h"
#include "Engine/ECS/EntityManager.h"
#include "Game/Scene/CameraControlComponents.h"
#include "Game/Scene/CameraModificationComponent.h"
#include "Game/Scene/CameraSteering.h"
#include "Game/Scene/TransformComponent.h"

#include <optional>

namespace {
// SDL scancodes of the movement keys.
constexpr int32_t scancodeW = 26;
constexpr int32_t scancodeA = 4;
constexpr int32_t scancodeS = 22;
constexpr int32_t scancodeD = 7;
} // namespace

FreeCamMovementSystem::FreeCamMovementSystem(Engine::ECS::EntityManager* world,
                                             const Engine::KeyboardState* keyboard)
    : System(world, {TransformComponent::_cType, FreeCamMovementComponent::_cType,
                     CameraModificationComponent::_cType}),
      keyboard(keyboard)
{
}

void FreeCamMovementSystem::update(uint32_t entity, float)
{
    if (!world->getComponent<FreeCamMovementComponent>(entity).enabled) return;
    FlightKeys keys;
    keys.forward = keyboard->held(scancodeW);
    keys.left = keyboard->held(scancodeA);
    keys.back = keyboard->held(scancodeS);
    keys.right = keyboard->held(scancodeD);
    const std::optional<float> angle = flightAngle(keys);
    if (!angle) return;
    const CameraModificationComponent& modification = world->getComponent<CameraModificationComponent>(entity);
    world->getComponent<TransformComponent>(entity).position += flightStep(modification, *angle);
}

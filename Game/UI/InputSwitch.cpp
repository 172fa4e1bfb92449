#include "Game/UI/InputSwitch.h"

#include "Game/Physics/CharacterControllerComponent.h"
#include "Game/Scene/CameraControlComponents.h"

namespace UI {

namespace {

template <class Switch>
void setIfPresent(Engine::ECS::EntityManager& world, uint32_t entity, bool enabled)
{
    if (world.hasComponent<Switch>(entity)) {
        world.getComponent<Switch>(entity).enabled = enabled;
    }
}

} // namespace

void setPlayerInputEnabled(Engine::ECS::EntityManager& world, uint32_t entity, bool enabled)
{
    setIfPresent<CharacterControllerComponent>(world, entity, enabled);
    setIfPresent<CameraMouseMovementComponent>(world, entity, enabled);
}

void setEditorCameraInputEnabled(Engine::ECS::EntityManager& world, uint32_t entity, bool enabled)
{
    setIfPresent<CameraMouseMovementComponent>(world, entity, enabled);
    setIfPresent<FreeCamMovementComponent>(world, entity, enabled);
    setIfPresent<CameraMouseZoomMoveComponent>(world, entity, enabled);
    // Panning follows the middle button while the editor runs; the editor's
    // next step sets it again from the button, so only stopping is done here.
    if (!enabled) setIfPresent<CameraMouseShiftComponent>(world, entity, false);
}

} // namespace UI

#pragma once

#include "Engine/ECS/System.h"

namespace Engine {
class MouseState;
}

// Panning: while the entity's switch is on, the step's mouse movement slides
// the entity within its camera's view plane.
class CameraMouseShiftMovementSystem : public Engine::ECS::System {
public:
    CameraMouseShiftMovementSystem(Engine::ECS::EntityManager* world, const Engine::MouseState* mouse);
    void update(uint32_t entity, float dt) override;

private:
    const Engine::MouseState* mouse;
};

#pragma once

#include "Engine/ECS/System.h"

namespace Engine {
class MouseState;
}

// Zoom: while the entity's switch is on, each wheel notch moves the entity
// one metre along its camera's view direction.
class CameraMouseZoomMovementSystem : public Engine::ECS::System {
public:
    CameraMouseZoomMovementSystem(Engine::ECS::EntityManager* world, const Engine::MouseState* mouse);
    void update(uint32_t entity, float dt) override;

private:
    const Engine::MouseState* mouse;
};

#pragma once

#include "Engine/ECS/System.h"

namespace Engine {
class MouseState;
}

// Mouse look: while the entity's switch is on, the step's mouse movement
// turns its camera angles.
class CameraModificationMouseMovementSystem : public Engine::ECS::System {
public:
    CameraModificationMouseMovementSystem(Engine::ECS::EntityManager* world, const Engine::MouseState* mouse);
    void update(uint32_t entity, float dt) override;

    // The user's mouse speed (1 is the game's own).
    float mouseSpeed = 1.0f;

private:
    const Engine::MouseState* mouse;
};

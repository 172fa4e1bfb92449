#pragma once

#include "Engine/ECS/System.h"

namespace Engine {
class MouseState;
class PadState;
}

// Mouse look: while the entity's switch is on, the step's mouse movement
// and the pad's right stick turn its camera angles.
class CameraModificationMouseMovementSystem : public Engine::ECS::System {
public:
    CameraModificationMouseMovementSystem(Engine::ECS::EntityManager* world, const Engine::MouseState* mouse,
                                          const Engine::PadState* pad);
    void update(uint32_t entity, float dt) override;

    // The user's mouse speed (1 is the game's own).
    float mouseSpeed = 1.0f;

private:
    const Engine::MouseState* mouse;
    const Engine::PadState* pad;
};

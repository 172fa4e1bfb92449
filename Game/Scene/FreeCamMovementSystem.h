#pragma once

#include "Engine/ECS/System.h"

namespace Engine {
class KeyboardState;
}

// Free flight: while the entity's switch is on, W, A, S and D move it
// flightStepLength metres per step relative to where its camera looks.
class FreeCamMovementSystem : public Engine::ECS::System {
public:
    FreeCamMovementSystem(Engine::ECS::EntityManager* world, const Engine::KeyboardState* keyboard);
    void update(uint32_t entity, float dt) override;

private:
    const Engine::KeyboardState* keyboard;
};

#pragma once

#include "Engine/ECS/System.h"

// First of the update step: remembers every transform as the step's start.
class TransformStateCopySystem : public Engine::ECS::System {
public:
    explicit TransformStateCopySystem(Engine::ECS::EntityManager* world);
    void update(uint32_t entity, float dt) override;
};

#pragma once

#include "Engine/ECS/System.h"

// First at draw time: writes every model matrix from the transform blended
// with the frame's interpolation factor (the run's dt, in [0, 1]).
class TransformMatrixRefreshSystem : public Engine::ECS::System {
public:
    explicit TransformMatrixRefreshSystem(Engine::ECS::EntityManager* world);
    void update(uint32_t entity, float alpha) override;
};

#pragma once

#include "Engine/ECS/System.h"

// At draw time: rebuilds the eye, look-at point, up vector and view of every
// camera steered from an entity, from the position and angles blended with
// the frame's interpolation factor (the run's dt, in [0, 1]).
class CameraModificationDeltaSystem : public Engine::ECS::System {
public:
    explicit CameraModificationDeltaSystem(Engine::ECS::EntityManager* world);
    void update(uint32_t entity, float alpha) override;
};

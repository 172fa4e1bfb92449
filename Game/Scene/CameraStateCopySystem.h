#pragma once

#include "Engine/ECS/System.h"

// Keeps a copy of every camera as the step's start; the copy's center holds
// the camera's viewing direction (Camera::directionCopy).
class CameraStateCopySystem : public Engine::ECS::System {
public:
    explicit CameraStateCopySystem(Engine::ECS::EntityManager* world);
    void update(uint32_t entity, float dt) override;
};

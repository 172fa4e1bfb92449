#pragma once

#include "Engine/ECS/System.h"

// Remembers the eye offset and the view angles as the step's start.
class CameraModificationStateCopySystem : public Engine::ECS::System {
public:
    explicit CameraModificationStateCopySystem(Engine::ECS::EntityManager* world);
    void update(uint32_t entity, float dt) override;
};

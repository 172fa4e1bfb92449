#pragma once

#include "Engine/ECS/System.h"
#include "Game/Scene/CameraComponent.h"

// Run at draw time over every camera. A camera needs no blending of its own:
// cameras steered from an entity are rebuilt by CameraModificationDeltaSystem,
// and any other camera keeps the view it has.
class CameraDeltaSystem : public Engine::ECS::System {
public:
    explicit CameraDeltaSystem(Engine::ECS::EntityManager* world) : System(world, {CameraComponent::_cType}) {}
    void update(uint32_t, float) override {}
};

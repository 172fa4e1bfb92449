#pragma once

#include "Engine/ECS/System.h"
#include "Game/Physics/PhysicsRigidBodyComponent.h"
#include "Game/Scene/TransformComponent.h"

// Runs in every update step over the entities with a body and a transform and
// changes nothing: bodies are placed by PhysicsMotionStateSystem.
class TransformToCollissionTransformSystem : public Engine::ECS::System {
public:
    explicit TransformToCollissionTransformSystem(Engine::ECS::EntityManager* world)
        : System(world, {PhysicsRigidBodyComponent::_cType, TransformComponent::_cType})
    {
    }

    void update(uint32_t, float) override {}
};

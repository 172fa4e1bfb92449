#pragma once

#include "Engine/ECS/System.h"
#include "Game/Scene/TransformComponent.h"

// Registered with the world to keep its place in the system order; it does
// nothing and the game never runs it.
class TestSystem : public Engine::ECS::System {
public:
    explicit TestSystem(Engine::ECS::EntityManager* world) : System(world, {TransformComponent::_cType}) {}
    void update(uint32_t, float) override {}
};

#pragma once

#include "Engine/ECS/System.h"
#include "Game/Physics/CharacterControllerComponent.h"

// Third of the update step's state copies. The character keeps no state of
// its own between steps that a frame would blend (its body moves through its
// transform), so there is nothing to copy; the system holds the character
// entities in the step's order of copies.
class CharacterControllerStateCopySystem : public Engine::ECS::System {
public:
    explicit CharacterControllerStateCopySystem(Engine::ECS::EntityManager* world)
        : System(world, {CharacterControllerComponent::_cType})
    {
    }
    void update(uint32_t, float) override {}
};

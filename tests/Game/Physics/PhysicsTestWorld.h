#pragma once

#include "Engine/Core/KeyboardState.h"
#include "Engine/Core/MouseState.h"
#include "Engine/ECS/EntityManager.h"
#include "Game/Physics/CharacterControllerComponent.h"
#include "Game/Physics/CharacterControllerSystem.h"
#include "Game/Physics/CollisionCallbackComponent.h"
#include "Game/Physics/ContactDispatch.h"
#include "Game/Physics/PhysicsColliderComponent.h"
#include "Game/Physics/PhysicsMotionStateSystem.h"
#include "Game/Physics/PhysicsRigidBodyComponent.h"
#include "Game/Physics/PhysicsWorld.h"
#include "Game/Physics/RigidBodyColliderSystem.h"
#include "Game/Physics/StaticBodies.h"
#include "Game/Scene/CameraModificationComponent.h"
#include "Game/Scene/TransformComponent.h"

#include <SDL_mouse.h>
#include <SDL_scancode.h>

#include <array>
#include <cstdint>
#include <memory>

// A physics world with an entity manager that runs the physics systems in the
// order of one game update step, and input records the test sets by hand.
// The physics world is declared first so that it outlives the components.
struct PhysicsTestWorld {
    PhysicsTestWorld()
        : keyboard(platformKeys.data(), static_cast<int32_t>(platformKeys.size())), mouse(nullptr)
    {
        world.registerComponent<TransformComponent>();
        world.registerComponent<CameraModificationComponent>();
        world.registerComponent<CharacterControllerComponent>();
        world.registerComponent<PhysicsRigidBodyComponent>();
        world.registerComponent<PhysicsColliderComponent>();
        world.registerComponent<CollisionCallbackComponent>();
        world.addSystem(CharacterControllerSystem(&world, &keyboard, &mouse, &physics));
        world.addSystem(PhysicsMotionStateSystem(&world));
        world.addSystem(RigidBodyColliderSystem(&world, &physics));
    }

    // One game update step: input, character, bodies, physics, contacts, commit.
    void step()
    {
        keyboard.refresh();
        mouse.refresh(Engine::StepInput{}, mouseButtons, 0, 0, 0);
        world.getSystem<CharacterControllerSystem>().run(0.0f);
        world.getSystem<PhysicsMotionStateSystem>().run(0.0f);
        physics.step();
        GamePhysics::dispatchContacts(*physics.getDispatcher(), world, contacts);
        world.refresh();
    }

    void steps(int count)
    {
        for (int i = 0; i < count; ++i) step();
    }

    void hold(SDL_Scancode key) { platformKeys[key] = 1; }
    void release(SDL_Scancode key) { platformKeys[key] = 0; }
    void holdLeftButton() { mouseButtons = SDL_BUTTON_LMASK; }
    void releaseLeftButton() { mouseButtons = 0; }

    // The player as the game builds it, minus the camera and render parts.
    uint32_t addPlayer()
    {
        const uint32_t entity = world.createEntity();
        world.addComponent(entity, CharacterControllerComponent(entity, &physics));
        world.addComponent(entity, TransformComponent());
        world.addComponent(entity, CameraModificationComponent());
        world.refresh();
        return entity;
    }

    // An axis-aligned static box (the level's own blocks are turned by 30°).
    uint32_t addBox(const glm::vec3& center, const glm::vec3& size)
    {
        const uint32_t entity = world.createEntity();
        world.addComponent(entity, TransformComponent(center, size, glm::quat(1.0f, 0.0f, 0.0f, 0.0f)));
        const glm::vec3 half = size * 0.5f;
        world.addComponent(entity, PhysicsColliderComponent(std::make_shared<btBoxShape>(btVector3(half.x, half.y, half.z))));
        PhysicsRigidBodyComponent body(entity, 0.0f, btVector3(0.0f, 0.0f, 0.0f));
        body.getUserPointer()->group = GamePhysics::CollisionGroup::block;
        world.addComponent(entity, body);
        world.refresh();
        return entity;
    }

    uint32_t addFloor()
    {
        const uint32_t entity = GamePhysics::createFloor(world);
        world.refresh();
        return entity;
    }

    CharacterControllerComponent& character(uint32_t player) { return world.getComponent<CharacterControllerComponent>(player); }
    CustomCharacterController& controller(uint32_t player) { return *character(player).controller; }
    CameraModificationComponent& camera(uint32_t player) { return world.getComponent<CameraModificationComponent>(player); }
    glm::vec3 position(uint32_t player) { return world.getComponent<TransformComponent>(player).position; }
    float horizontalSpeed(uint32_t player)
    {
        const glm::vec3 v = character(player).velocity;
        return glm::length(glm::vec2(v.x, v.y));
    }
    void place(uint32_t player, const glm::vec3& p) { controller(player).warp(btVector3(p.x, p.y, p.z)); }

    PhysicsWorld physics;
    Engine::ECS::EntityManager world;
    std::array<uint8_t, SDL_NUM_SCANCODES> platformKeys{};
    uint32_t mouseButtons = 0;
    Engine::KeyboardState keyboard;
    Engine::MouseState mouse;
    GamePhysics::ContactRecord contacts;
};

// Half the capsule's total height: its bottom is this far below its centre.
constexpr float capsuleHalfHeight = CharacterControllerComponent::capsuleRadius +
                                    (CharacterControllerComponent::defaultHeight -
                                     CharacterControllerComponent::cylinderShortening) * 0.5f;

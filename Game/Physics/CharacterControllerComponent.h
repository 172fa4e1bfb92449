#pragma once

#include "Engine/ECS/Component.h"
#include "Game/Physics/CustomCharacterController.h"
#include "Game/Physics/PhysicsUserPointer.h"

#include <glm/glm.hpp>

#include <cstdint>
#include <memory>

class PhysicsWorld;

// The player's movement state: a capsule swept through the world by its
// controller, the walking velocity, and the grappling rope.
//
// The controller (with its ghost object and capsule) and the user-pointer
// record are shared by every copy of the component, because the world copies
// components by value; the last copy frees them, and the controller takes
// its ghost out of the world then. The physics world must outlive it.
struct CharacterControllerComponent : Engine::ECS::Component {
    static constexpr uint32_t _cType = 13;

    static constexpr float defaultHeight = 1.0f;
    static constexpr float capsuleRadius = 0.305f;
    // The capsule's cylinder is this much shorter than the body height.
    static constexpr float cylinderShortening = 0.6f;
    // The player moves with the controller's own tuning.
    static constexpr float characterGravity = CustomCharacterController::defaultGravity;
    static constexpr float walkSlopeAngle = CustomCharacterController::defaultWalkSlopeAngle;
    static constexpr float jumpSlopeAngle = CustomCharacterController::defaultJumpSlopeAngle;
    static constexpr float allowedPenetration = CustomCharacterController::defaultAllowedPenetration;
    // Where every player starts, and how far the capsule's centre stands
    // above what it stands on.
    static constexpr float spawnX = 0.0f, spawnY = 0.0f, spawnZ = 10.0f;
    static constexpr float standingHeight = capsuleRadius + (defaultHeight - cylinderShortening) * 0.5f;

    // Builds the capsule at the spawn point (0, 0, 10) and puts it into the
    // physics world on behalf of the entity.
    CharacterControllerComponent(uint32_t entity, PhysicsWorld* physicsWorld);

    bool enabled = true;
    std::shared_ptr<CustomCharacterController> controller;
    PhysicsWorld* physicsWorld;
    std::shared_ptr<PhysicsUserPointer> userPointer;
    // The rope: the world point it is fixed to and its length, both fixed
    // when it was fired.
    glm::vec3 hookPoint = glm::vec3(0.0f);
    float ropeLength = 0.0f;
    bool hooked = false;
    // Rope shots fired so far, caught or not; others hear a shot by its change.
    uint32_t ropeShots = 0;
    // x, y: the horizontal walking velocity (m/s); z stays 0 between steps.
    glm::vec3 velocity = glm::vec3(0.0f);
    // Horizontal speed lost per step, net speed gained per step while a
    // direction key is held, and the speed keys alone can reach; set every step.
    float friction = 0.0f;
    float acceleration = 0.0f;
    float maxSpeed = 0.0f;
    float height = defaultHeight;
    // Copy of the entity's camera angles, degrees.
    float yaw = 0.0f;
    float pitch = 0.0f;
    float roll = 0.0f;
};

#pragma once

#include "Engine/ECS/System.h"
#include "Game/Physics/CustomCharacterController.h"

#include <btBulletDynamicsCommon.h>
#include <glm/glm.hpp>

namespace Engine {
class KeyboardState;
class MouseState;
class PadState;
} // namespace Engine

class PhysicsWorld;
struct CharacterControllerComponent;
struct TransformComponent;

// Moves the player from the keyboard and mouse, once per update step:
// W, A, S, D walk relative to the camera's yaw (with friction and
// acceleration, faster on the ground than in the air), Space jumps, and a
// left click fires a grappling rope along the view that holds while the button
// is held. The pad does the same: the left stick walks at its push's
// fraction of the walking speed (the keys win when both are used), A jumps
// and the right trigger fires and holds the rope. One controller step of 0.01 s follows; its result is written to the
// entity's transform and the camera sits 0.3 m above the capsule centre.
class CharacterControllerSystem : public Engine::ECS::System {
public:
    // Length of one controller step, and the tuning on the ground and in the air.
    static constexpr float controllerStep = 0.01f;
    static constexpr float maxWalkSpeed = 8.0f;
    static constexpr float groundFriction = 0.5f;
    static constexpr float groundAcceleration = 0.6f;
    static constexpr float airFriction = 0.02f;
    static constexpr float airAcceleration = 0.04f;
    static constexpr float jumpSpeed = CustomCharacterController::defaultJumpSpeed;
    static constexpr float ropeRange = 100.0f;

    CharacterControllerSystem(Engine::ECS::EntityManager* world, const Engine::KeyboardState* keyboard,
                              const Engine::MouseState* mouse, const Engine::PadState* pad,
                              PhysicsWorld* physicsWorld);

    void update(uint32_t entity, float dt) override;

private:
    void chooseTuning(CharacterControllerComponent& character, bool onGround) const;
    glm::vec3 readCamera(uint32_t entity, CharacterControllerComponent& character) const;
    void walk(CharacterControllerComponent& character) const;
    void fireRope(CharacterControllerComponent& character, const btVector3& from, const glm::vec3& look) const;
    void keepAchievedSpeed(CharacterControllerComponent& character) const;
    void holdOnRope(CharacterControllerComponent& character, const btVector3& start,
                    TransformComponent& transform) const;
    void slideAlongContacts(CharacterControllerComponent& character) const;
    void placeCamera(uint32_t entity, const CharacterControllerComponent& character) const;

    const Engine::KeyboardState* keyboard;
    const Engine::MouseState* mouse;
    const Engine::PadState* pad;
    PhysicsWorld* physicsWorld;
};

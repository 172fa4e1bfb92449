#include "Game/Physics/CharacterControllerSystem.h"
#include "Game/Physics/BulletConversion.h"

#include "Engine/Core/KeyboardState.h"
#include "Engine/Core/MouseState.h"
#include "Engine/Core/PadState.h"
#include "Engine/ECS/EntityManager.h"
#include "Game/Physics/CharacterControllerComponent.h"
#include "Game/Physics/CharacterMovement.h"
#include "Game/Physics/PhysicsWorld.h"
#include "Game/Scene/CameraModificationComponent.h"
#include "Game/Scene/TransformComponent.h"

#include <SDL_gamecontroller.h>
#include <SDL_mouse.h>
#include <SDL_scancode.h>

namespace {

using GamePhysics::CharacterMovement::MoveKeys;
using GamePhysics::toBullet;
using GamePhysics::toGlm;

// The camera sits this far below the top of the body height.
constexpr float eyeBelowTop = 0.2f;
// Bullet's closest-hit ray meets every group.
constexpr int ropeRayGroup = 1;
const glm::vec3 lookWithoutCamera(0.0f, 0.0f, 1.0f);

MoveKeys readMoveKeys(const Engine::KeyboardState& keyboard)
{
    MoveKeys keys;
    keys.forward = keyboard.held(SDL_SCANCODE_W);
    keys.left = keyboard.held(SDL_SCANCODE_A);
    keys.back = keyboard.held(SDL_SCANCODE_S);
    keys.right = keyboard.held(SDL_SCANCODE_D);
    return keys;
}

glm::vec2 horizontal(const glm::vec3& v)
{
    return glm::vec2(v.x, v.y);
}

void setHorizontal(glm::vec3& v, const glm::vec2& h)
{
    v.x = h.x;
    v.y = h.y;
}

} // namespace

CharacterControllerSystem::CharacterControllerSystem(Engine::ECS::EntityManager* world,
                                                     const Engine::KeyboardState* keyboard,
                                                     const Engine::MouseState* mouse, const Engine::PadState* pad,
                                                     PhysicsWorld* physicsWorld)
    : System(world, {CharacterControllerComponent::_cType, TransformComponent::_cType}),
      keyboard(keyboard),
      mouse(mouse),
      pad(pad),
      physicsWorld(physicsWorld)
{
}

void CharacterControllerSystem::update(uint32_t entity, float)
{
    auto& character = world->getComponent<CharacterControllerComponent>(entity);
    if (!character.enabled) return;
    auto& transform = world->getComponent<TransformComponent>(entity);
    CustomCharacterController& controller = *character.controller;

    const bool wasOnGround = controller.onGround();
    chooseTuning(character, wasOnGround);
    const glm::vec3 look = readCamera(entity, character);
    walk(character);

    controller.setWalkDirection(btVector3(character.velocity.x, character.velocity.y, 0.0f));
    controller.syncPositionWithGhost();
    const btVector3 start = controller.getPosition();

    const bool fire = mouse->buttonPressed(SDL_BUTTON_LMASK) || pad->pressed(Engine::PadState::rightTriggerPulled);
    if (fire) fireRope(character, start, look);
    if (!mouse->buttonHeld(SDL_BUTTON_LMASK) && !pad->held(Engine::PadState::rightTriggerPulled)) character.hooked = false;

    controller.playerStep(physicsWorld->getDynamicsWorld(), controllerStep);
    keepAchievedSpeed(character);
    if (character.hooked) holdOnRope(character, start, transform);
    if (character.hooked || !wasOnGround) slideAlongContacts(character);

    const bool jumpHeld = keyboard->held(SDL_SCANCODE_SPACE) || pad->held(SDL_CONTROLLER_BUTTON_A);
    if (jumpHeld && controller.canJump()) controller.jump(jumpSpeed);

    transform.position = toGlm(controller.getPosition());
    placeCamera(entity, character);
}

void CharacterControllerSystem::chooseTuning(CharacterControllerComponent& character, bool onGround) const
{
    character.maxSpeed = maxWalkSpeed;
    character.friction = onGround ? groundFriction : airFriction;
    character.acceleration = onGround ? groundAcceleration : airAcceleration;
}

// Copies the camera angles and returns the viewing direction; straight up
// when the entity has no camera.
glm::vec3 CharacterControllerSystem::readCamera(uint32_t entity, CharacterControllerComponent& character) const
{
    if (!world->hasComponent<CameraModificationComponent>(entity)) return lookWithoutCamera;
    const auto& camera = world->getComponent<CameraModificationComponent>(entity);
    character.yaw = camera.yaw;
    character.pitch = camera.pitch;
    character.roll = camera.roll;
    return camera.forward(1.0f);
}

// Friction (not while on the rope, so a swing keeps its speed), then
// acceleration towards the heading of the held keys.
void CharacterControllerSystem::walk(CharacterControllerComponent& character) const
{
    using namespace GamePhysics::CharacterMovement;
    glm::vec2 velocity = horizontal(character.velocity);
    if (!character.hooked) velocity = applyFriction(velocity, character.friction);

    const MoveKeys keys = readMoveKeys(*keyboard);
    const StickWalk stick = stickWalk(pad->leftStick.x, pad->leftStick.y);
    if (keys.any()) {
        const float heading = toRadians(character.yaw + headingOffset(keys));
        velocity = accelerate(velocity, heading, character.acceleration, character.friction, character.maxSpeed);
    } else if (stick.speedFraction > 0.0f) {
        const float heading = toRadians(character.yaw + stick.headingOffset);
        velocity = accelerate(velocity, heading, character.acceleration, character.friction,
                              character.maxSpeed * stick.speedFraction);
    }
    setHorizontal(character.velocity, velocity);
}

void CharacterControllerSystem::fireRope(CharacterControllerComponent& character, const btVector3& from,
                                         const glm::vec3& look) const
{
    ++character.ropeShots;
    const btVector3 to = from + toBullet(look) * ropeRange;
    btCollisionWorld::ClosestRayResultCallback ray(from, to);
    ray.m_collisionFilterGroup = ropeRayGroup;
    ray.m_collisionFilterMask = btBroadphaseProxy::AllFilter;
    physicsWorld->getDynamicsWorld()->rayTest(from, to, ray);
    if (!ray.hasHit()) return;

    character.hookPoint = toGlm(ray.m_hitPointWorld);
    character.ropeLength = (ray.m_hitPointWorld - from).length();
    character.hooked = true;
}

// The walking velocity becomes the velocity the step actually achieved, so
// obstacles slow it: a wall hit at an angle leaves the part parallel to it.
// The controller takes it back as a full velocity with its vertical part.
void CharacterControllerSystem::keepAchievedSpeed(CharacterControllerComponent& character) const
{
    CustomCharacterController& controller = *character.controller;
    glm::vec2 velocity = horizontal(character.velocity);
    if (glm::length(velocity) > 0.0f) {
        const btVector3 achieved = controller.getHorizontalDisplacement() / controllerStep;
        velocity = glm::vec2(achieved.x(), achieved.y());
    }
    setHorizontal(character.velocity, velocity);

    const btVector3& up = controller.getUp();
    const float vertical = up.z() * controller.getVerticalVelocity() + controller.getWalkDirection().z();
    controller.setVelocity(btVector3(velocity.x, velocity.y, vertical));
}

// A taut rope pulls the body back onto the sphere of the rope's length around
// the hook and takes away the part of the velocity along the rope.
void CharacterControllerSystem::holdOnRope(CharacterControllerComponent& character, const btVector3& start,
                                           TransformComponent& transform) const
{
    CustomCharacterController& controller = *character.controller;
    const btVector3 hook = toBullet(character.hookPoint);
    const btVector3 fromHook = controller.getPosition() - hook;
    if (fromHook.length() <= character.ropeLength) return;

    const btVector3 onRope = hook + fromHook / fromHook.length() * character.ropeLength;
    transform.position = toGlm(onRope);
    controller.warp(onRope);

    if ((onRope - start).length() <= 0.0f) {
        controller.setVelocity(btVector3(0.0f, 0.0f, 0.0f));
        setHorizontal(character.velocity, glm::vec2(0.0f));
    } else {
        btVector3 velocity = controller.getUp() * controller.getVerticalVelocity() + controller.getWalkDirection();
        const btVector3 alongRope = (hook - onRope).normalized();
        velocity -= alongRope * velocity.dot(alongRope);
        controller.setVelocity(velocity);
        setHorizontal(character.velocity, glm::vec2(velocity.x(), velocity.y()));
    }
    character.velocity.z = 0.0f;
}

// In the air (and on the rope) the velocity loses its part into every surface
// the step ran into, so the body slides along walls and stops under ceilings.
void CharacterControllerSystem::slideAlongContacts(CharacterControllerComponent& character) const
{
    CustomCharacterController& controller = *character.controller;
    glm::vec3 velocity(character.velocity.x, character.velocity.y,
                       controller.getUp().z() * controller.getVerticalVelocity() + controller.getWalkDirection().z());
    const btAlignedObjectArray<btVector3>& normals = controller.getContactNormals();
    for (int i = 0; i < normals.size(); ++i) {
        const glm::vec3 normal = toGlm(normals[i]);
        velocity -= normal / glm::length(normal) * glm::dot(velocity, normal);
    }
    controller.setVerticalVelocity(velocity.z);
    character.velocity = glm::vec3(velocity.x, velocity.y, 0.0f);
}

void CharacterControllerSystem::placeCamera(uint32_t entity, const CharacterControllerComponent& character) const
{
    if (!world->hasComponent<CameraModificationComponent>(entity)) return;
    world->getComponent<CameraModificationComponent>(entity).offset.z = character.height * 0.5f - eyeBelowTop;
}

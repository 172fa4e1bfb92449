#include "Game/Physics/CharacterControllerComponent.h"

#include "Game/Physics/PhysicsWorld.h"

namespace {
const btVector3 spawnPoint(CharacterControllerComponent::spawnX, CharacterControllerComponent::spawnY,
                           CharacterControllerComponent::spawnZ);
const btVector3 worldUp(0.0f, 0.0f, 1.0f);
} // namespace

CharacterControllerComponent::CharacterControllerComponent(uint32_t entity, PhysicsWorld* physicsWorld)
    : physicsWorld(physicsWorld), userPointer(std::make_shared<PhysicsUserPointer>())
{
    auto ghost = std::make_unique<btPairCachingGhostObject>();
    auto capsule = std::make_unique<btCapsuleShapeZ>(capsuleRadius, height - cylinderShortening);
    ghost->setCollisionShape(capsule.get());
    ghost->setCollisionFlags(btCollisionObject::CF_CHARACTER_OBJECT);
    // The record and the place are set before the ghost enters the world: the
    // pair filter reads the record as soon as the ghost overlaps anything.
    userPointer->entity = entity;
    ghost->setUserPointer(userPointer.get());
    btTransform start;
    start.setIdentity();
    start.setOrigin(spawnPoint);
    ghost->setWorldTransform(start);

    controller = std::shared_ptr<CustomCharacterController>(
        new CustomCharacterController(physicsWorld, std::move(ghost), std::move(capsule), worldUp));
    controller->setGravity(btVector3(0.0f, 0.0f, -characterGravity));
    controller->setWalkSlope(walkSlopeAngle);
    controller->setJumpSlope(jumpSlopeAngle);
    controller->setAllowedPenetration(allowedPenetration);
}

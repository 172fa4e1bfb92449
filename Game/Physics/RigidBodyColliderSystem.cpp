#include "Game/Physics/RigidBodyColliderSystem.h"

#include "Engine/ECS/EntityManager.h"
#include "Game/Physics/PhysicsColliderComponent.h"
#include "Game/Physics/PhysicsRigidBodyComponent.h"
#include "Game/Physics/PhysicsWorld.h"

RigidBodyColliderSystem::RigidBodyColliderSystem(Engine::ECS::EntityManager* world, PhysicsWorld* physicsWorld)
    : System(world, {PhysicsRigidBodyComponent::_cType, PhysicsColliderComponent::_cType}), physicsWorld(physicsWorld)
{
}

void RigidBodyColliderSystem::update(uint32_t, float) {}

void RigidBodyColliderSystem::onEntityAdded(uint32_t entity)
{
    const auto& collider = world->getComponent<PhysicsColliderComponent>(entity);
    world->getComponent<PhysicsRigidBodyComponent>(entity).attach(collider.shape, physicsWorld->getDynamicsWorld());
}

void RigidBodyColliderSystem::onEntityRemoved(uint32_t entity)
{
    world->getComponent<PhysicsRigidBodyComponent>(entity).detach();
}

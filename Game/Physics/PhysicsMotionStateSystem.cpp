#include "Game/Physics/PhysicsMotionStateSystem.h"
#include "Game/Physics/BulletConversion.h"

#include "Engine/ECS/EntityManager.h"
#include "Game/Physics/PhysicsRigidBodyComponent.h"
#include "Game/Scene/TransformComponent.h"

PhysicsMotionStateSystem::PhysicsMotionStateSystem(Engine::ECS::EntityManager* world)
    : System(world, {TransformComponent::_cType, PhysicsRigidBodyComponent::_cType})
{
}

void PhysicsMotionStateSystem::update(uint32_t entity, float)
{
    placeBody(entity);
}

void PhysicsMotionStateSystem::onEntityAdded(uint32_t entity)
{
    placeBody(entity);
}

// The collision object's own transform is set (which also advances its update
// revision); the body is not woken and the motion state is not told.
void PhysicsMotionStateSystem::placeBody(uint32_t entity)
{
    const auto& transform = world->getComponent<TransformComponent>(entity);
    const glm::quat& q = transform.rotation;
    const glm::vec3& p = transform.position;
    const btTransform pose(GamePhysics::toBullet(q), GamePhysics::toBullet(p));
    world->getComponent<PhysicsRigidBodyComponent>(entity).getBody()->setWorldTransform(pose);
}

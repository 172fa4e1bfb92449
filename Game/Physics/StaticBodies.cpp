#include "Game/Physics/StaticBodies.h"
#include "Game/Physics/BulletConversion.h"

#include "Engine/ECS/EntityManager.h"
#include "Game/Physics/PhysicsColliderComponent.h"
#include "Game/Physics/PhysicsRigidBodyComponent.h"
#include "Game/Physics/PhysicsUserPointer.h"
#include "Game/Scene/TransformComponent.h"

#include <cmath>
#include <memory>

namespace GamePhysics {

namespace {

// Every block is turned by 30 degrees about +Y.
constexpr float blockHalfTurn = 0.2617994f;
const btVector3 noInertia(0.0f, 0.0f, 0.0f);
const btVector3 floorNormal(0.0f, 0.0f, 1.0f);
constexpr float floorConstant = 0.0f;

} // namespace

glm::quat levelBlockRotation()
{
    return glm::quat(std::cos(blockHalfTurn), 0.0f, std::sin(blockHalfTurn), 0.0f);
}

uint32_t createStaticBlock(Engine::ECS::EntityManager& world, const glm::vec3& position, const glm::vec3& size)
{
    return createStaticBlock(world, position, size, levelBlockRotation());
}

uint32_t createStaticBlock(Engine::ECS::EntityManager& world, const glm::vec3& position, const glm::vec3& size,
                           const glm::quat& rotation)
{
    const uint32_t entity = world.createEntity();
    world.addComponent(entity, TransformComponent(position, size, rotation));

    const glm::vec3 half = size * 0.5f;
    world.addComponent(entity, PhysicsColliderComponent(std::make_shared<btBoxShape>(toBullet(half))));

    PhysicsRigidBodyComponent body(entity, 0.0f, noInertia);
    body.getBody()->setCollisionFlags(btCollisionObject::CF_STATIC_OBJECT);
    body.getUserPointer()->group = CollisionGroup::block;
    world.addComponent(entity, body);
    return entity;
}

uint32_t createFloor(Engine::ECS::EntityManager& world)
{
    const uint32_t entity = world.createEntity();
    world.addComponent(entity, TransformComponent());
    world.addComponent(entity,
                       PhysicsColliderComponent(std::make_shared<btStaticPlaneShape>(floorNormal, floorConstant)));

    PhysicsRigidBodyComponent body(entity, 0.0f, noInertia);
    body.getUserPointer()->group = CollisionGroup::floor;
    world.addComponent(entity, body);
    return entity;
}

} // namespace GamePhysics

#include "Game/Physics/RayCast.h"

#include "Engine/Base/Assert.h"
#include "Game/Physics/PhysicsUserPointer.h"
#include "Game/Physics/PhysicsWorld.h"
#include "Game/Scene/Camera.h"

#include <glm/gtc/constants.hpp>

#include <cmath>

namespace GamePhysics::RayCast {

namespace {
constexpr int unusedBulletGroup = 1;
const double degreesToRadians = glm::pi<double>() / 180.0;
} // namespace

BaseRayResultCallback::BaseRayResultCallback()
{
    reset();
}

void BaseRayResultCallback::reset()
{
    m_closestHitFraction = btScalar(1.0);
    m_collisionObject = nullptr;
    m_collisionFilterGroup = unusedBulletGroup;
    m_collisionFilterMask = btBroadphaseProxy::AllFilter;
    m_flags = 0;
}

uint32_t BaseRayResultCallback::hitEntity() const
{
    if (m_collisionObject == nullptr) return 0;
    return static_cast<const PhysicsUserPointer*>(m_collisionObject->getUserPointer())->entity;
}

EcsRayResultCallback::EcsRayResultCallback(uint32_t rayGroup, uint32_t rayMask)
    : rayGroup(rayGroup), rayMask(rayMask)
{
}

bool EcsRayResultCallback::needsCollision(btBroadphaseProxy* proxy) const
{
    const auto* c0 = static_cast<const btCollisionObject*>(proxy->m_clientObject);
    GAME_ASSERT(c0->getUserPointer() != nullptr);
    const auto* record = static_cast<const PhysicsUserPointer*>(c0->getUserPointer());
    return (rayMask & record->group) != 0 && (rayGroup & record->mask) != 0;
}

btScalar EcsClosestRayResultCallback::addSingleResult(btCollisionWorld::LocalRayResult& rayResult,
                                                      bool normalInWorldSpace)
{
    m_closestHitFraction = rayResult.m_hitFraction;
    m_collisionObject = rayResult.m_collisionObject;
    hitNormal = normalInWorldSpace ? rayResult.m_hitNormalLocal
                                   : m_collisionObject->getWorldTransform().getBasis() * rayResult.m_hitNormalLocal;
    return rayResult.m_hitFraction;
}

EcsClosestRayResultCallback castClosest(const PhysicsWorld& world, const btVector3& from, const btVector3& to,
                                        uint32_t rayGroup, uint32_t rayMask)
{
    EcsClosestRayResultCallback callback(rayGroup, rayMask);
    world.getDynamicsWorld()->rayTest(from, to, callback);
    return callback;
}

glm::vec3 screenRayDirection(float x, float y, const Camera& camera)
{
    const glm::vec3 forward = glm::normalize(camera.center - camera.position);
    const glm::vec3 right = glm::normalize(glm::cross(forward, camera.up));
    const glm::vec3 up = glm::normalize(glm::cross(right, forward));
    const float halfHeightAtNear = static_cast<float>(std::tan(camera.fov * degreesToRadians * 0.5)) * camera.near;
    const float halfWidth = camera.width / 2.0f;
    const float halfHeight = camera.height / 2.0f;
    const float nx = (x - halfWidth) / halfWidth;
    const float ny = (y - halfHeight) / halfHeight;
    const float aspect = camera.width / camera.height;
    const glm::vec3 onNearPlane = camera.position + forward * camera.near + right * (nx * halfHeightAtNear * aspect) +
                                  up * (ny * halfHeightAtNear);
    return glm::normalize(onNearPlane - camera.position);
}

} // namespace GamePhysics::RayCast

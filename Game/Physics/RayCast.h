#pragma once

#include <btBulletCollisionCommon.h>
#include <glm/glm.hpp>

#include <cstdint>

struct Camera;
class PhysicsWorld;

namespace GamePhysics::RayCast {

// A ray callback of the game. reset() puts it into the state a cast starts
// from: no hit yet, Bullet's own filter fields at group 1 and all bits (the
// game's callbacks filter by the PhysicsUserPointer records instead).
class BaseRayResultCallback : public btCollisionWorld::RayResultCallback {
public:
    BaseRayResultCallback();
    void reset();
    // The entity of the object hit; 0 without a hit.
    uint32_t hitEntity() const;
};

// Lets the ray meet only objects whose record's group has a bit of the ray
// mask and whose record's mask has a bit of the ray group. Every object the
// ray reaches must carry a PhysicsUserPointer.
class EcsRayResultCallback : public BaseRayResultCallback {
public:
    EcsRayResultCallback(uint32_t rayGroup, uint32_t rayMask);
    bool needsCollision(btBroadphaseProxy* proxy) const override;

    uint32_t rayGroup;
    uint32_t rayMask;
};

// Keeps the closest hit that passes the filter, with its world normal.
class EcsClosestRayResultCallback : public EcsRayResultCallback {
public:
    using EcsRayResultCallback::EcsRayResultCallback;
    btScalar addSingleResult(btCollisionWorld::LocalRayResult& rayResult, bool normalInWorldSpace) override;

    btVector3 hitNormal{0.0f, 0.0f, 0.0f};
};

// Casts from one point to another through the world and returns the closest
// hit that passes the group/mask filter.
EcsClosestRayResultCallback castClosest(const PhysicsWorld& world, const btVector3& from, const btVector3& to,
                                        uint32_t rayGroup, uint32_t rayMask);

// The unit direction from the camera's eye through a window pixel (x, y
// measured from the bottom-left corner), on the camera's near plane.
glm::vec3 screenRayDirection(float x, float y, const Camera& camera);

} // namespace GamePhysics::RayCast

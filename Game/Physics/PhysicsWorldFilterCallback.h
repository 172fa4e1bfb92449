#pragma once

#include <btBulletCollisionCommon.h>

namespace GamePhysics {

// Decides which broadphase pairs exist. Two static objects never pair;
// otherwise each object's group must meet the other's mask, read from the
// PhysicsUserPointer records (the proxies' own group and mask are ignored).
class PhysicsWorldFilterCallback : public btOverlapFilterCallback {
public:
    bool needBroadphaseCollision(btBroadphaseProxy* proxy0, btBroadphaseProxy* proxy1) const override;
};

} // namespace GamePhysics

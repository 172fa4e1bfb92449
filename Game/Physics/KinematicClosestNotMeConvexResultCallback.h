#pragma once

#include <btBulletCollisionCommon.h>

namespace GamePhysics {

// Closest hit of a convex sweep that ignores the swept object itself, objects
// without contact response, and surfaces that do not face against the motion
// (world normal · up below the minimum slope dot, with up pointing back along
// the sweep). What passes is recorded as the closest-result callback does.
class KinematicClosestNotMeConvexResultCallback : public btCollisionWorld::ClosestConvexResultCallback {
public:
    KinematicClosestNotMeConvexResultCallback(const btCollisionObject* me, const btVector3& up,
                                              btScalar minSlopeDot);

    btScalar addSingleResult(btCollisionWorld::LocalConvexResult& convexResult, bool normalInWorldSpace) override;

private:
    const btCollisionObject* me;
    btVector3 up;
    btScalar minSlopeDot;
};

} // namespace GamePhysics

#include "Game/Physics/KinematicClosestNotMeConvexResultCallback.h"

namespace GamePhysics {

namespace {
const btVector3 unusedEndPoint(0.0f, 0.0f, 0.0f);
}

KinematicClosestNotMeConvexResultCallback::KinematicClosestNotMeConvexResultCallback(
    const btCollisionObject* me, const btVector3& up, btScalar minSlopeDot)
    : ClosestConvexResultCallback(unusedEndPoint, unusedEndPoint), me(me), up(up), minSlopeDot(minSlopeDot)
{
}

btScalar KinematicClosestNotMeConvexResultCallback::addSingleResult(btCollisionWorld::LocalConvexResult& convexResult,
                                                                    bool normalInWorldSpace)
{
    const btCollisionObject* hit = convexResult.m_hitCollisionObject;
    if (hit == me || !hit->hasContactResponse()) return btScalar(1.0);

    const btVector3 worldNormal = normalInWorldSpace
                                      ? convexResult.m_hitNormalLocal
                                      : hit->getWorldTransform().getBasis() * convexResult.m_hitNormalLocal;
    if (up.dot(worldNormal) < minSlopeDot) return btScalar(1.0);

    return ClosestConvexResultCallback::addSingleResult(convexResult, normalInWorldSpace);
}

} // namespace GamePhysics

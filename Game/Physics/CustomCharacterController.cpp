#include "Game/Physics/CustomCharacterController.h"

#include "Game/Physics/KinematicClosestNotMeConvexResultCallback.h"
#include "Game/Physics/PhysicsWorld.h"

#include <cfloat>
#include <cmath>

namespace {

// Lengths (and squared lengths) at or below this count as zero.
constexpr btScalar negligibleLength = FLT_EPSILON;
// Recovery rounds allowed after each slide pass and at the end of a step.
constexpr int maxRecoveriesPerPass = 5;
constexpr int maxRecoveriesAtEnd = 5;
// A step ends after two passes without progress; this bound only guards
// against a slide that keeps creeping forward by tiny amounts.
constexpr int maxSlidePasses = 16;
// The broadphase bounds of the ghost are widened by this many step lengths
// so that every object the sweep can reach is among the ghost's pairs.
constexpr btScalar broadphaseReachPerStep = 2.0f;
// Bullet's character filter, colliding with static and default objects.
constexpr int characterFilterGroup = btBroadphaseProxy::CharacterFilter;
constexpr int characterFilterMask = btBroadphaseProxy::StaticFilter | btBroadphaseProxy::DefaultFilter;

btTransform translation(const btVector3& origin)
{
    btTransform transform;
    transform.setIdentity();
    transform.setOrigin(origin);
    return transform;
}

btVector3 safeNormalized(const btVector3& v)
{
    const btScalar length = v.length();
    return length > 0.0f ? v / length : btVector3(0.0f, 0.0f, 0.0f);
}

} // namespace

CustomCharacterController::CustomCharacterController(PhysicsWorld* physicsWorld,
                                                     std::unique_ptr<btPairCachingGhostObject> ghost,
                                                     std::unique_ptr<btConvexShape> shape, const btVector3& up)
    : physicsWorld(physicsWorld),
      sweepMinSlopeDot(std::cos(sweepMinSlopeAngle)),
      ghost(std::move(ghost)),
      shape(std::move(shape)),
      jumpSlopeCosine(std::cos(defaultJumpSlopeAngle)),
      walkSlopeCosine(std::cos(defaultWalkSlopeAngle)),
      up(up)
{
    syncPositionWithGhost();
    physicsWorld->getDynamicsWorld()->addCollisionObject(this->ghost.get(), characterFilterGroup,
                                                         characterFilterMask);
}

CustomCharacterController::~CustomCharacterController()
{
    physicsWorld->getDynamicsWorld()->removeCollisionObject(ghost.get());
}

void CustomCharacterController::updateAction(btCollisionWorld*, btScalar) {}

void CustomCharacterController::debugDraw(btIDebugDraw*) {}

bool CustomCharacterController::needsCollision(const btCollisionObject* body0, const btCollisionObject* body1) const
{
    const btBroadphaseProxy* proxy0 = body0->getBroadphaseHandle();
    const btBroadphaseProxy* proxy1 = body1->getBroadphaseHandle();
    return (proxy0->m_collisionFilterGroup & proxy1->m_collisionFilterMask) != 0 &&
           (proxy0->m_collisionFilterMask & proxy1->m_collisionFilterGroup) != 0;
}

void CustomCharacterController::playerStep(btCollisionWorld* collisionWorld, btScalar dt)
{
    beginStep();
    groundTest();
    applyGravity(dt);
    clampVerticalVelocity();
    verticalOffset = verticalVelocity * dt;
    sweepAndSlide(collisionWorld, dt);
    placeGhost(currentPosition);
    recoverRepeatedly(collisionWorld, maxRecoveriesAtEnd);
    jumpRequested = false;
}

void CustomCharacterController::setVelocity(const btVector3& velocity)
{
    walkDirection = velocity;
    const btScalar speedSquared = velocity.length2();
    if (speedSquared <= negligibleLength) {
        verticalVelocity = 0.0f;
        return;
    }
    const btScalar speed = std::sqrt(speedSquared);
    const btScalar upCosine = (velocity / speed).dot(up);
    if (upCosine == 0.0f) return;
    // The signed length of the velocity's part along up.
    const btScalar alongUp = upCosine * speed;
    walkDirection -= up * alongUp;
    verticalVelocity = alongUp;
}

void CustomCharacterController::setGravity(const btVector3& gravityVector)
{
    gravity = gravityVector.length();
    if (gravity > 0.0f) up = -gravityVector / gravity;
}

void CustomCharacterController::setWalkSlope(btScalar angle)
{
    walkSlopeCosine = std::cos(angle);
}

void CustomCharacterController::setJumpSlope(btScalar angle)
{
    jumpSlopeCosine = std::cos(angle);
}

void CustomCharacterController::jump(btScalar speed)
{
    jumpSpeed = speed;
    verticalVelocity = speed;
    jumpRequested = true;
}

void CustomCharacterController::warp(const btVector3& origin)
{
    placeGhost(origin);
    currentPosition = origin;
    targetPosition = origin;
}

void CustomCharacterController::syncPositionWithGhost()
{
    currentPosition = getPosition();
    targetPosition = currentPosition;
}

void CustomCharacterController::stop()
{
    walkDirection.setZero();
    verticalVelocity = 0.0f;
    verticalOffset = 0.0f;
    grounded = false;
}

// ---- phases of one step ----

void CustomCharacterController::beginStep()
{
    contactNormals.resize(0);
    grounded = false;
    jumpAllowed = false;
}

// Standing needs a contact within the walk slope of up, jumping one within
// the jump slope. Two upward contacts whose horizontal parts face each other
// hold the shape in a wedge, even if both slopes are too steep to walk on.
void CustomCharacterController::groundTest()
{
    placeGhost(currentPosition);
    collectContactNormals(up, sweepMinSlopeDot, scratchNormals);

    const btVector3* reference = nullptr;
    for (int i = 0; i < scratchNormals.size(); ++i) {
        const btVector3& normal = scratchNormals[i];
        const btScalar upDot = normal.dot(up);
        if (upDot >= jumpSlopeCosine) jumpAllowed = true;
        if (upDot >= walkSlopeCosine) grounded = true;
        if (normal.length() <= 0.0f) continue;
        if (reference == nullptr) {
            reference = &normal;
        } else if (horizontalPart(normal).dot(horizontalPart(*reference)) < 0.0f) {
            grounded = true;
        }
    }
}

void CustomCharacterController::applyGravity(btScalar dt)
{
    if (grounded) {
        if (verticalVelocity < 0.0f) verticalVelocity = 0.0f;
    } else {
        verticalVelocity -= dt * gravity;
    }
}

void CustomCharacterController::clampVerticalVelocity()
{
    if (verticalVelocity > jumpSpeed) verticalVelocity = jumpSpeed;
    if (verticalVelocity < -std::fabs(fallSpeed)) verticalVelocity = -std::fabs(fallSpeed);
}

void CustomCharacterController::sweepAndSlide(btCollisionWorld* collisionWorld, btScalar dt)
{
    btVector3 displacement = walkDirection * dt + up * (verticalVelocity * dt);
    distanceMoved = 0.0f;
    horizontalDisplacement.setZero();
    if (displacement.length() <= negligibleLength) return;
    if (!jumpRequested) followGround(displacement);
    widenBroadphaseBounds(collisionWorld, displacement);

    // End positions of the last two passes, to stop after two passes that
    // made no progress.
    btVector3 lastEnd = currentPosition;
    btVector3 endBeforeLast = currentPosition;
    for (int pass = 0; pass < maxSlidePasses; ++pass) {
        if (displacement.length() <= negligibleLength) return;
        if (!sweepPass(displacement)) return;

        placeGhost(currentPosition);
        recoverRepeatedly(collisionWorld, maxRecoveriesPerPass);

        if (displacement.length() <= 0.0f) return;
        const bool stuck = pass >= 2 && currentPosition == lastEnd && currentPosition == endBeforeLast;
        if (stuck) return;
        endBeforeLast = lastEnd;
        lastEnd = currentPosition;
    }
}

void CustomCharacterController::recoverRepeatedly(btCollisionWorld* collisionWorld, int maxRecoveries)
{
    for (int round = 0; round < maxRecoveries; ++round) {
        if (!recoverFromPenetration(collisionWorld)) return;
    }
}

// ---- sweep and slide ----

// Standing on walkable ground, the motion follows the surface underneath
// instead of sinking into it or lifting off it; with no horizontal motion the
// shape stays where it is.
void CustomCharacterController::followGround(btVector3& displacement)
{
    placeGhost(currentPosition);
    collectContactNormals(up, walkSlopeCosine, scratchNormals);
    if (scratchNormals.size() == 0) return;
    if (horizontalPart(displacement).length2() > 0.0f) {
        displacement = alongSurface(displacement, scratchNormals[0]);
    } else {
        displacement.setZero();
    }
}

// Bullet finds the ghost's pairs from its bounds at the last world step, and
// the sweep only sees those pairs. A fast step (a fall of 0.55 m) would
// otherwise sink into a block those bounds did not touch, to be pushed out
// only by the recovery afterwards.
void CustomCharacterController::widenBroadphaseBounds(btCollisionWorld* collisionWorld,
                                                      const btVector3& displacement)
{
    btVector3 aabbMin;
    btVector3 aabbMax;
    shape->getAabb(translation(currentPosition), aabbMin, aabbMax);
    const btScalar reach = displacement.length() * broadphaseReachPerStep;
    const btVector3 margin(reach, reach, reach);
    collisionWorld->getBroadphase()->setAabb(ghost->getBroadphaseHandle(), aabbMin - margin, aabbMax + margin,
                                             collisionWorld->getDispatcher());
}

// Sweeps the shape along the displacement. Returns false when it got there
// unhindered (the sweep is over); otherwise moves to the hit, turns the rest of
// the displacement along the surface hit and returns true.
bool CustomCharacterController::sweepPass(btVector3& displacement)
{
    const btScalar length = displacement.length();
    targetPosition = currentPosition + displacement;

    GamePhysics::KinematicClosestNotMeConvexResultCallback callback(ghost.get(), -displacement / length,
                                                                    sweepMinSlopeDot);
    callback.m_collisionFilterGroup = ghost->getBroadphaseHandle()->m_collisionFilterGroup;
    callback.m_collisionFilterMask = ghost->getBroadphaseHandle()->m_collisionFilterMask;
    ghost->convexSweepTest(shape.get(), translation(currentPosition), translation(targetPosition), callback,
                           allowedPenetration);

    const btScalar horizontalLength = horizontalPart(displacement).length();
    if (!isUsableHit(callback)) {
        currentPosition = targetPosition;
        distanceMoved += horizontalLength;
        horizontalDisplacement += horizontalPart(displacement);
        return false;
    }

    const btScalar fraction = callback.m_closestHitFraction;
    const btVector3 hitNormal = callback.m_hitNormalWorld;
    currentPosition += (targetPosition - currentPosition) * fraction;
    distanceMoved += horizontalLength * fraction;
    horizontalDisplacement += horizontalPart(displacement) * fraction;
    const btVector3 remainder = displacement / length * (length - length * fraction);

    displacement = slideAfterHit(remainder, hitNormal);
    limitToCrease(hitNormal, displacement);
    return true;
}

bool CustomCharacterController::isUsableHit(const btCollisionWorld::ClosestConvexResultCallback& callback) const
{
    if (!callback.hasHit()) return false;
    if (!ghost->hasContactResponse()) return false;
    return needsCollision(ghost.get(), callback.m_hitCollisionObject);
}

btVector3 CustomCharacterController::slideAfterHit(const btVector3& remainder, const btVector3& hitNormal)
{
    const bool ceiling = -up.dot(hitNormal) >= walkSlopeCosine;
    const bool floor = up.dot(hitNormal) >= walkSlopeCosine;
    if (ceiling || floor) {
        verticalVelocity = 0.0f;
        verticalOffset = 0.0f;
        if (floor) grounded = true;
        return alongSurface(remainder, hitNormal);
    }
    // A wall keeps the part of the motion parallel to it.
    return remainder - hitNormal * (remainder.dot(hitNormal) / hitNormal.length());
}

// The horizontal part of the motion, tilted so that it runs along the plane
// of the (floor or ceiling) normal; nothing if there is no horizontal part.
btVector3 CustomCharacterController::alongSurface(const btVector3& remainder, const btVector3& surfaceNormal) const
{
    const btVector3 horizontal = horizontalPart(remainder);
    if (horizontal.length2() <= 0.0f) return btVector3(0.0f, 0.0f, 0.0f);
    const btScalar rise = -horizontal.dot(surfaceNormal) / surfaceNormal.dot(up);
    return horizontal + up * rise;
}

// Where the wall just hit meets another surface the shape touches, at an angle
// facing it, motion into that crease continues only along the crease line.
void CustomCharacterController::limitToCrease(const btVector3& hitNormal, btVector3& displacement)
{
    placeGhost(currentPosition);
    // Every contact normal, whichever way it faces.
    collectContactNormals(up, -BT_LARGE_FLOAT, scratchNormals);
    contactNormals.push_back(hitNormal);
    if (scratchNormals.size() < 2) return;

    scratchCreases.resize(0);
    for (int i = 0; i < scratchNormals.size(); ++i) {
        const btVector3& other = scratchNormals[i];
        if (other.dot(hitNormal) >= 0.0f) continue;
        const btVector3 line = other.cross(hitNormal);
        const btVector3 bisector = other + hitNormal;
        if (line.length() <= 0.0f || bisector.length() <= 0.0f) continue;
        scratchCreases.push_back(Crease{line.normalized(), bisector.normalized()});
    }
    if (scratchCreases.size() == 0) return;

    const Crease& crease = chooseCrease(hitNormal);
    if (crease.bisector.dot(displacement) < 0.0f) displacement = crease.line * crease.line.dot(displacement);
}

// The last crease found, unless an earlier one lines up strictly better with
// the sum of all contact normals.
const CustomCharacterController::Crease& CustomCharacterController::chooseCrease(const btVector3& hitNormal) const
{
    const Crease* chosen = &scratchCreases[scratchCreases.size() - 1];
    if (scratchCreases.size() == 1) return *chosen;

    btVector3 normalSum = hitNormal;
    for (int i = 0; i < scratchNormals.size(); ++i) normalSum += scratchNormals[i];
    const btVector3 reference = safeNormalized(normalSum);

    btScalar bestDot = chosen->line.dot(reference);
    for (int i = 0; i < scratchCreases.size(); ++i) {
        const btScalar dot = scratchCreases[i].line.dot(reference);
        if (dot > bestDot) {
            chosen = &scratchCreases[i];
            bestDot = dot;
        }
    }
    return *chosen;
}

// ---- penetration recovery ----

// Pushes the shape out of every surface it sinks into deeper than the allowed
// penetration, by the excess depth along the contact normal. Returns whether
// any push was made.
bool CustomCharacterController::recoverFromPenetration(btCollisionWorld* collisionWorld)
{
    btDispatcher* dispatcher = collisionWorld->getDispatcher();
    dispatcher->dispatchAllCollisionPairs(ghost->getOverlappingPairCache(), collisionWorld->getDispatchInfo(),
                                          dispatcher);
    currentPosition = getPosition();
    bool penetrated = false;
    forEachContactPoint([&](const btManifoldPoint& point, btScalar sign) {
        const btScalar distance = point.getDistance();
        if (distance >= -allowedPenetration) return;
        currentPosition += point.m_normalWorldOnB * sign * (distance + allowedPenetration);
        penetrated = true;
    });
    placeGhost(currentPosition);
    return penetrated;
}

// ---- contacts ----

void CustomCharacterController::collectContactNormals(const btVector3& reference, btScalar minDot,
                                                      btAlignedObjectArray<btVector3>& out)
{
    out.resize(0);
    forEachContactPoint([&](const btManifoldPoint& point, btScalar sign) {
        if (point.getDistance() >= 0.0f) return;
        const btVector3 normal = point.m_normalWorldOnB * -sign;
        if (normal.dot(reference) >= minDot) out.push_back(normal);
    });
}

template <class Visitor>
void CustomCharacterController::forEachContactPoint(Visitor&& visit)
{
    btBroadphasePairArray& pairs = ghost->getOverlappingPairCache()->getOverlappingPairArray();
    for (int i = 0; i < pairs.size(); ++i) {
        const btBroadphasePair& pair = pairs[i];
        const auto* object0 = static_cast<const btCollisionObject*>(pair.m_pProxy0->m_clientObject);
        const auto* object1 = static_cast<const btCollisionObject*>(pair.m_pProxy1->m_clientObject);
        if (!object0->hasContactResponse() || !object1->hasContactResponse()) continue;
        if (!needsCollision(object0, object1)) continue;
        if (pair.m_algorithm == nullptr) continue;

        contactManifolds.resize(0);
        pair.m_algorithm->getAllContactManifolds(contactManifolds);
        for (int m = 0; m < contactManifolds.size(); ++m) {
            const btPersistentManifold* manifold = contactManifolds[m];
            const btScalar sign = manifold->getBody0() == ghost.get() ? -1.0f : 1.0f;
            for (int p = 0; p < manifold->getNumContacts(); ++p) visit(manifold->getContactPoint(p), sign);
        }
    }
}

void CustomCharacterController::placeGhost(const btVector3& origin)
{
    ghost->getWorldTransform().setOrigin(origin);
}

#pragma once

#include <BulletCollision/CollisionDispatch/btGhostObject.h>
#include <BulletDynamics/Dynamics/btActionInterface.h>
#include <btBulletDynamicsCommon.h>

#include <memory>

class PhysicsWorld;

// The player's body: a kinematic convex shape (a ghost object) that is swept
// through the world rather than simulated. One playerStep is
//
//   ground test -> gravity -> sweep and slide -> penetration recovery
//
// The sweep moves the shape along its walk direction and vertical velocity,
// stopping at the first surface and sliding along it: floors and ceilings
// (within the walk slope of up or down) stop the vertical motion and the
// remaining motion follows the surface; walls keep only the motion parallel to
// them; two walls meeting in a crease keep only the motion along the crease.
//
// The controller owns the ghost and its shape. It adds the ghost to the world
// when it is built and takes it out again when it is destroyed, so the world
// must outlive it. It is never registered as a Bullet action: its owner calls
// playerStep once per update step.
class CustomCharacterController : public btActionInterface {
public:
    BT_DECLARE_ALIGNED_ALLOCATOR();

    // Speeds in m/s, gravity in m/s², angles in radians.
    static constexpr btScalar defaultFallSpeed = 55.0f;
    static constexpr btScalar defaultJumpSpeed = 10.0f;
    static constexpr btScalar defaultGravity = 15.0f;
    static constexpr btScalar defaultWalkSlopeAngle = 0.6108652f;  // 35 degrees
    static constexpr btScalar defaultJumpSlopeAngle = 0.7853982f;  // 45 degrees
    // Just below 90 degrees: a sweep hit or ground contact counts if it faces
    // the reference direction at all.
    static constexpr btScalar sweepMinSlopeAngle = 1.5706217f;
    // How deep the shape may sink into a surface before recovery pushes it out;
    // also the sweeps' allowed penetration.
    static constexpr btScalar defaultAllowedPenetration = 0.005f;

    CustomCharacterController(PhysicsWorld* physicsWorld, std::unique_ptr<btPairCachingGhostObject> ghost,
                              std::unique_ptr<btConvexShape> shape, const btVector3& up);
    ~CustomCharacterController() override;
    CustomCharacterController(const CustomCharacterController&) = delete;
    CustomCharacterController& operator=(const CustomCharacterController&) = delete;

    // Driven by its owner, not by the world.
    void updateAction(btCollisionWorld* collisionWorld, btScalar deltaTime) override;
    void debugDraw(btIDebugDraw* debugDrawer) override;
    // Bullet's broadphase group/mask test over the two objects' proxies.
    virtual bool needsCollision(const btCollisionObject* body0, const btCollisionObject* body1) const;

    // One step of movement over dt seconds.
    void playerStep(btCollisionWorld* collisionWorld, btScalar dt);

    // Splits a full velocity into the walk direction (the part across up) and
    // the vertical velocity (the part along up).
    void setVelocity(const btVector3& velocity);
    // Horizontal velocity used by the next step (m/s).
    void setWalkDirection(const btVector3& walkDirection) { this->walkDirection = walkDirection; }
    // gravity := |g|; up := the direction opposite to g.
    void setGravity(const btVector3& gravity);
    void setWalkSlope(btScalar angle);
    void setJumpSlope(btScalar angle);
    void setAllowedPenetration(btScalar depth) { allowedPenetration = depth; }
    // Starts a jump at the given speed; the next step does not stick to the
    // ground it starts from.
    void jump(btScalar speed);
    // Moves the shape to the origin at once (no sweep).
    void warp(const btVector3& origin);
    // Takes the current position from the ghost (after someone moved it).
    void syncPositionWithGhost();
    // Drops all motion: walk direction, vertical velocity and offset, and the
    // on-ground flag.
    void stop();

    btPairCachingGhostObject* getGhostObject() const { return ghost.get(); }
    btConvexShape* getShape() const { return shape.get(); }
    PhysicsWorld* getPhysicsWorld() const { return physicsWorld; }
    btVector3 getPosition() const { return ghost->getWorldTransform().getOrigin(); }
    const btVector3& getUp() const { return up; }
    const btVector3& getWalkDirection() const { return walkDirection; }
    btScalar getVerticalVelocity() const { return verticalVelocity; }
    void setVerticalVelocity(btScalar velocity) { verticalVelocity = velocity; }
    btScalar getVerticalOffset() const { return verticalOffset; }
    // Horizontal length of the path the last step's sweep covered.
    btScalar getDistanceMoved() const { return distanceMoved; }
    // Horizontal part of where the last step's sweep got to from where it
    // started: along a wall this is the motion parallel to the wall.
    const btVector3& getHorizontalDisplacement() const { return horizontalDisplacement; }
    btScalar getFallSpeed() const { return fallSpeed; }
    btScalar getJumpSpeed() const { return jumpSpeed; }
    btScalar getGravity() const { return gravity; }
    btScalar getAllowedPenetration() const { return allowedPenetration; }
    bool isJumpRequested() const { return jumpRequested; }
    bool onGround() const { return grounded; }
    bool canJump() const { return jumpAllowed; }
    // Normals of the surfaces the last step ran into, one per sweep hit.
    const btAlignedObjectArray<btVector3>& getContactNormals() const { return contactNormals; }

private:
    // Phases of one step, in order.
    void beginStep();
    void groundTest();
    void applyGravity(btScalar dt);
    void clampVerticalVelocity();
    void sweepAndSlide(btCollisionWorld* collisionWorld, btScalar dt);
    void recoverRepeatedly(btCollisionWorld* collisionWorld, int maxRecoveries);

    // Sweep and slide helpers.
    void followGround(btVector3& displacement);
    void widenBroadphaseBounds(btCollisionWorld* collisionWorld, const btVector3& displacement);
    bool sweepPass(btVector3& displacement);
    bool isUsableHit(const btCollisionWorld::ClosestConvexResultCallback& callback) const;
    btVector3 slideAfterHit(const btVector3& remainder, const btVector3& hitNormal);
    btVector3 alongSurface(const btVector3& remainder, const btVector3& surfaceNormal) const;
    // A line where two touched surfaces meet, and the unit bisector of their
    // normals.
    struct Crease {
        btVector3 line;
        btVector3 bisector;
    };
    void limitToCrease(const btVector3& hitNormal, btVector3& displacement);
    const Crease& chooseCrease(const btVector3& hitNormal) const;

    bool recoverFromPenetration(btCollisionWorld* collisionWorld);

    // Contact normals (turned to point from the touched surface towards the
    // shape) of every penetrating point whose dot with the reference is at
    // least minDot.
    void collectContactNormals(const btVector3& reference, btScalar minDot, btAlignedObjectArray<btVector3>& out);
    // Calls visit(point, sign) for every contact point of every pair of the
    // ghost that takes part in contacts; sign is -1 when the ghost is the
    // manifold's first body and +1 otherwise.
    template <class Visitor>
    void forEachContactPoint(Visitor&& visit);

    btVector3 horizontalPart(const btVector3& v) const { return v - up * v.dot(up); }
    void placeGhost(const btVector3& origin);

    bool jumpRequested = false;
    PhysicsWorld* physicsWorld;
    btAlignedObjectArray<btVector3> contactNormals;
    btScalar distanceMoved = 0.0f;
    btVector3 horizontalDisplacement{0.0f, 0.0f, 0.0f};
    btScalar sweepMinSlopeDot;
    btScalar allowedPenetration = defaultAllowedPenetration;
    bool jumpAllowed = false;
    std::unique_ptr<btPairCachingGhostObject> ghost;
    std::unique_ptr<btConvexShape> shape;
    btScalar verticalVelocity = 0.0f;
    btScalar verticalOffset = 0.0f;
    btScalar fallSpeed = defaultFallSpeed;
    btScalar jumpSpeed = defaultJumpSpeed;
    btScalar jumpSlopeCosine;
    btScalar walkSlopeCosine;
    btScalar gravity = defaultGravity;
    btVector3 walkDirection{0.0f, 0.0f, 0.0f};
    btVector3 currentPosition{0.0f, 0.0f, 0.0f};
    btVector3 targetPosition{0.0f, 0.0f, 0.0f};
    btManifoldArray contactManifolds;
    bool grounded = false;
    btVector3 up;

    // Scratch lists kept between steps so a step allocates nothing.
    btAlignedObjectArray<btVector3> scratchNormals;
    btAlignedObjectArray<Crease> scratchCreases;
};

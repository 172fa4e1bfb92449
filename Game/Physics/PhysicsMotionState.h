#pragma once

#include <btBulletDynamicsCommon.h>

// A rigid body's link to its drawn pose, with the data and behaviour of
// Bullet's default motion state. The game moves bodies from their transforms
// directly, so nothing reads the graphics transform back.
class PhysicsMotionState : public btMotionState {
public:
    BT_DECLARE_ALIGNED_ALLOCATOR();

    PhysicsMotionState();

    // graphics transform × inverse(centre-of-mass offset)
    void getWorldTransform(btTransform& worldTransform) const override;
    // graphics transform := given transform × centre-of-mass offset
    void setWorldTransform(const btTransform& worldTransform) override;

    btTransform graphicsWorldTransform;
    btTransform centerOfMassOffset;
    btTransform startWorldTransform;
    void* userPointer = nullptr;
};

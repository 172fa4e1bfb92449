#pragma once

#include "Game/Physics/PhysicsWorldFilterCallback.h"

#include <BulletCollision/CollisionDispatch/btGhostObject.h>
#include <btBulletDynamicsCommon.h>

#include <memory>

// One Bullet dynamics world with the game's parameters: +Z up, gravity
// (0, 0, -10), the game's pair filter, and the ghost-pair callback the
// character's ghost object needs to know its overlapping pairs.
//
// Components that put objects into this world (rigid bodies, the character's
// ghost) take them out again when they are destroyed, so the world must
// outlive every entity manager whose components live in it.
class PhysicsWorld {
public:
    // Simulated time per game update step, and the fixed step Bullet is told
    // about. With zero sub-steps Bullet runs exactly one internal step of
    // stepLength, whatever the fixed step says.
    static constexpr btScalar stepLength = 0.01f;
    static constexpr int maxSubSteps = 0;
    static constexpr btScalar fixedTimeStep = 1.0f / 60.0f;

    PhysicsWorld();
    ~PhysicsWorld();
    PhysicsWorld(const PhysicsWorld&) = delete;
    PhysicsWorld& operator=(const PhysicsWorld&) = delete;

    // One game update step of simulation (0.01 s).
    void step();

    btDiscreteDynamicsWorld* getDynamicsWorld() const { return dynamicsWorld.get(); }
    btBroadphaseInterface* getBroadphase() const { return broadphase.get(); }
    btCollisionDispatcher* getDispatcher() const { return dispatcher.get(); }

private:
    // Declared so that the dynamics world goes first at destruction and the
    // objects it refers to after it.
    std::unique_ptr<btGhostPairCallback> ghostPairCallback;
    std::unique_ptr<GamePhysics::PhysicsWorldFilterCallback> filterCallback;
    std::unique_ptr<btDbvtBroadphase> broadphase;
    std::unique_ptr<btDefaultCollisionConfiguration> collisionConfiguration;
    std::unique_ptr<btCollisionDispatcher> dispatcher;
    std::unique_ptr<btSequentialImpulseConstraintSolver> solver;
    std::unique_ptr<btDiscreteDynamicsWorld> dynamicsWorld;
};

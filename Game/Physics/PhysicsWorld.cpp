#include "Game/Physics/PhysicsWorld.h"

namespace {
const btVector3 worldGravity(0.0f, 0.0f, -10.0f);
}

PhysicsWorld::PhysicsWorld()
{
    broadphase = std::make_unique<btDbvtBroadphase>();
    ghostPairCallback = std::make_unique<btGhostPairCallback>();
    broadphase->getOverlappingPairCache()->setInternalGhostPairCallback(ghostPairCallback.get());

    btDefaultCollisionConstructionInfo constructionInfo;
    collisionConfiguration = std::make_unique<btDefaultCollisionConfiguration>(constructionInfo);
    dispatcher = std::make_unique<btCollisionDispatcher>(collisionConfiguration.get());
    solver = std::make_unique<btSequentialImpulseConstraintSolver>();

    dynamicsWorld = std::make_unique<btDiscreteDynamicsWorld>(dispatcher.get(), broadphase.get(), solver.get(),
                                                              collisionConfiguration.get());
    dynamicsWorld->setGravity(worldGravity);

    filterCallback = std::make_unique<GamePhysics::PhysicsWorldFilterCallback>();
    dynamicsWorld->getBroadphase()->getOverlappingPairCache()->setOverlapFilterCallback(filterCallback.get());
}

PhysicsWorld::~PhysicsWorld() = default;

void PhysicsWorld::step()
{
    dynamicsWorld->stepSimulation(stepLength, maxSubSteps, fixedTimeStep);
}

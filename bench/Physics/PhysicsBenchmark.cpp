#include "bench/Physics/BenchLevel.h"
#include "Game/Physics/CharacterControllerComponent.h"
#include "Game/Physics/PhysicsUserPointer.h"

#include <BulletDynamics/Character/btKinematicCharacterController.h>
#include <benchmark/benchmark.h>
#include <glm/gtc/constants.hpp>

#include <chrono>
#include <cmath>
#include <memory>

namespace {

constexpr btScalar stepLength = 0.01f;
constexpr btScalar walkSpeed = 8.0f;
// The walk: from a start point above the level, turn a full circle every
// walkPeriod steps at walking speed, then start over from the same point, so
// every run covers falling, landing, walking and running into blocks.
constexpr int walkPeriod = 1000;
const btVector3 walkStart(0.0f, 0.0f, 40.0f);
// Bullet's controller climbs steps of this height; the game's has no steps.
constexpr btScalar bulletStepHeight = 0.35f;

BenchLevel& level()
{
    static BenchLevel shared;
    return shared;
}

btVector3 walkVelocity(int step)
{
    const btScalar heading = glm::two_pi<btScalar>() * static_cast<btScalar>(step % walkPeriod) / walkPeriod;
    return btVector3(std::cos(heading), std::sin(heading), 0.0f) * walkSpeed;
}

template <class Step>
double timed(Step&& step)
{
    const auto start = std::chrono::steady_clock::now();
    step();
    const auto end = std::chrono::steady_clock::now();
    return std::chrono::duration<double>(end - start).count();
}

// The game's controller, built as the player's component builds it.
void BM_CustomCharacterControllerStep(benchmark::State& state)
{
    BenchLevel& bench = level();
    btDiscreteDynamicsWorld* dynamics = bench.physics.getDynamicsWorld();
    CharacterControllerComponent player(1, &bench.physics);
    CustomCharacterController& controller = *player.controller;
    int step = 0;
    btScalar travelled = 0.0f;

    for (auto _ : state) {
        if (step % walkPeriod == 0) {
            controller.warp(walkStart);
            controller.stop();
        }
        controller.setWalkDirection(walkVelocity(step));
        controller.syncPositionWithGhost();
        const btVector3 before = controller.getPosition();
        state.SetIterationTime(timed([&] { controller.playerStep(dynamics, stepLength); }));
        travelled += (controller.getPosition() - before).length();
        bench.physics.step();
        ++step;
    }
    state.counters["metres_per_step"] = travelled / static_cast<btScalar>(step);
}
BENCHMARK(BM_CustomCharacterControllerStep)->UseManualTime();

// Bullet's own kinematic controller with the same capsule, gravity, slopes,
// speeds and walk.
void BM_BulletKinematicCharacterControllerStep(benchmark::State& state)
{
    BenchLevel& bench = level();
    btDiscreteDynamicsWorld* dynamics = bench.physics.getDynamicsWorld();

    PhysicsUserPointer record;
    btPairCachingGhostObject ghost;
    btCapsuleShapeZ capsule(CharacterControllerComponent::capsuleRadius,
                            CharacterControllerComponent::defaultHeight - CharacterControllerComponent::cylinderShortening);
    ghost.setCollisionShape(&capsule);
    ghost.setCollisionFlags(btCollisionObject::CF_CHARACTER_OBJECT);
    ghost.setUserPointer(&record);
    ghost.setWorldTransform(btTransform(btQuaternion::getIdentity(), walkStart));
    dynamics->addCollisionObject(&ghost, btBroadphaseProxy::CharacterFilter,
                                 btBroadphaseProxy::StaticFilter | btBroadphaseProxy::DefaultFilter);

    btKinematicCharacterController controller(&ghost, &capsule, bulletStepHeight, btVector3(0.0f, 0.0f, 1.0f));
    controller.setGravity(btVector3(0.0f, 0.0f, -CharacterControllerComponent::characterGravity));
    controller.setMaxSlope(CharacterControllerComponent::walkSlopeAngle);
    controller.setFallSpeed(CustomCharacterController::defaultFallSpeed);
    controller.setJumpSpeed(CustomCharacterController::defaultJumpSpeed);
    controller.setMaxPenetrationDepth(CharacterControllerComponent::allowedPenetration);
    int step = 0;
    btScalar travelled = 0.0f;

    for (auto _ : state) {
        if (step % walkPeriod == 0) {
            controller.reset(dynamics);
            controller.warp(walkStart);
        }
        controller.setWalkDirection(walkVelocity(step) * stepLength);
        const btVector3 before = ghost.getWorldTransform().getOrigin();
        state.SetIterationTime(timed([&] {
            controller.preStep(dynamics);
            controller.playerStep(dynamics, stepLength);
        }));
        travelled += (ghost.getWorldTransform().getOrigin() - before).length();
        bench.physics.step();
        ++step;
    }
    state.counters["metres_per_step"] = travelled / static_cast<btScalar>(step);
    dynamics->removeCollisionObject(&ghost);
}
BENCHMARK(BM_BulletKinematicCharacterControllerStep)->UseManualTime();

// One physics step of the level with the player standing in it.
void BM_WorldStep(benchmark::State& state)
{
    BenchLevel& bench = level();
    CharacterControllerComponent player(1, &bench.physics);
    player.controller->warp(walkStart);
    for (auto _ : state) bench.physics.step();
}
BENCHMARK(BM_WorldStep);

} // namespace

BENCHMARK_MAIN();

#include "bench/Physics/BenchLevel.h"

#include "Game/Physics/PhysicsColliderComponent.h"
#include "Game/Physics/PhysicsMotionStateSystem.h"
#include "Game/Physics/PhysicsRigidBodyComponent.h"
#include "Game/Physics/RigidBodyColliderSystem.h"
#include "Game/Physics/StaticBodies.h"
#include "Game/Scene/TransformComponent.h"

#include <glm/glm.hpp>

namespace {

constexpr uint32_t levelSeed = 1;
constexpr float sizeRange = 9.0f;
constexpr float minSize = 1.0f;
constexpr float horizontalRange = 60.0f;
constexpr float horizontalShift = 30.0f;
constexpr float heightRange = 30.0f;

struct FixedBlock {
    glm::vec3 position;
    glm::vec3 size;
};

const FixedBlock fixedLevelBlocks[BenchLevel::fixedBlocks] = {
    {{-4.0f, 0.0f, 1.2f}, {4.0f, 4.0f, 0.2f}},  {{-8.0f, 0.0f, 0.0f}, {4.0f, 4.0f, 0.2f}},
    {{0.0f, -6.0f, 0.0f}, {2.0f, 2.0f, 5.0f}},  {{2.6f, -6.0f, 0.0f}, {2.0f, 2.0f, 5.0f}},
    {{2.6f, -12.0f, 10.0f}, {2.0f, 10.0f, 20.0f}}, {{8.0f, 8.0f, 1.05f}, {10.0f, 10.0f, 0.1f}},
};

} // namespace

int ClassicRandom::next()
{
    state = state * 214013u + 2531011u;
    return static_cast<int>((state >> 16) & 32767u);
}

float ClassicRandom::nextUnit()
{
    return static_cast<float>(next()) / 32767.0f;
}

BenchLevel::BenchLevel()
{
    world.registerComponent<TransformComponent>();
    world.registerComponent<PhysicsRigidBodyComponent>();
    world.registerComponent<PhysicsColliderComponent>();
    world.addSystem(RigidBodyColliderSystem(&world, &physics));
    world.addSystem(PhysicsMotionStateSystem(&world));

    ClassicRandom random(levelSeed);
    for (int i = 0; i < randomBlocks; ++i) {
        // Drawn in the level's order: size z, y, x, then position z, y, x.
        glm::vec3 size;
        size.z = random.nextUnit() * sizeRange + minSize;
        size.y = random.nextUnit() * sizeRange + minSize;
        size.x = random.nextUnit() * sizeRange + minSize;
        glm::vec3 position;
        position.z = random.nextUnit() * heightRange;
        position.y = random.nextUnit() * horizontalRange - horizontalShift;
        position.x = random.nextUnit() * horizontalRange - horizontalShift;
        GamePhysics::createStaticBlock(world, position, size);
    }
    for (const FixedBlock& block : fixedLevelBlocks) GamePhysics::createStaticBlock(world, block.position, block.size);
    GamePhysics::createFloor(world);
    world.refresh();
    physics.step();
}

#include "Game/Level/Level.h"

#include "Engine/ECS/EntityManager.h"
#include "Game/Level/BlockKindComponent.h"
#include "Game/Level/CourseChoice.h"
#include "Game/Level/GameMap.h"
#include "Game/Level/MapGeometry.h"
#include "Game/Physics/StaticBodies.h"

namespace Game {

namespace {

constexpr uint32_t multiplier = 214013u;
constexpr uint32_t increment = 2531011u;
constexpr uint32_t valueShift = 16;

constexpr int randomBlockCount = 150;
constexpr float smallestSide = 1.0f;
constexpr float sideRange = 9.0f;
constexpr float horizontalRange = 60.0f;
constexpr float horizontalOffset = -30.0f;
constexpr float heightRange = 30.0f;

const BlockPlacement fixedBlocks[] = {
    {{-4.0f, 0.0f, 1.2f}, {4.0f, 4.0f, 0.2f}},  {{-8.0f, 0.0f, 0.0f}, {4.0f, 4.0f, 0.2f}},
    {{0.0f, -6.0f, 0.0f}, {2.0f, 2.0f, 5.0f}},  {{2.6f, -6.0f, 0.0f}, {2.0f, 2.0f, 5.0f}},
    {{2.6f, -12.0f, 10.0f}, {2.0f, 10.0f, 20.0f}}, {{8.0f, 8.0f, 1.05f}, {10.0f, 10.0f, 0.1f}},
};

BlockPlacement randomBlock(LevelRandom& random)
{
    BlockPlacement block;
    block.size.z = random.nextUnit() * sideRange + smallestSide;
    block.size.y = random.nextUnit() * sideRange + smallestSide;
    block.size.x = random.nextUnit() * sideRange + smallestSide;
    block.position.z = random.nextUnit() * heightRange;
    block.position.y = random.nextUnit() * horizontalRange + horizontalOffset;
    block.position.x = random.nextUnit() * horizontalRange + horizontalOffset;
    return block;
}

} // namespace

uint32_t LevelRandom::nextValue()
{
    state = state * multiplier + increment;
    return (state >> valueShift) & largestValue;
}

float LevelRandom::nextUnit()
{
    return static_cast<float>(nextValue()) / static_cast<float>(largestValue);
}

std::vector<BlockPlacement> levelBlockPlacements()
{
    std::vector<BlockPlacement> blocks;
    LevelRandom random;
    for (int i = 0; i < randomBlockCount; ++i) {
        blocks.push_back(randomBlock(random));
    }
    blocks.insert(blocks.end(), std::begin(fixedBlocks), std::end(fixedBlocks));
    return blocks;
}

uint32_t createBlock(GameMap& map, Engine::ECS::EntityManager& world, const glm::vec3& position,
                     const glm::vec3& size, BlockKind kind)
{
    const uint32_t entity = GamePhysics::createStaticBlock(world, position, size);
    world.addComponent(entity, BlockKindComponent(kind));
    map.blocks.push_back(entity);
    return entity;
}

uint32_t createPosedBlock(Engine::ECS::EntityManager& world, const BlockPose& pose)
{
    const uint32_t entity = GamePhysics::createStaticBlock(world, pose.position, pose.size, pose.rotation);
    world.addComponent(entity, BlockKindComponent(pose.kind));
    return entity;
}

BlockKind blockKindOf(Engine::ECS::EntityManager& world, uint32_t block)
{
    if (!world.hasComponent<BlockKindComponent>(block)) return BlockKind::plain;
    return world.getComponent<BlockKindComponent>(block).kind;
}

void setBlockKind(Engine::ECS::EntityManager& world, uint32_t block, BlockKind kind)
{
    if (world.hasComponent<BlockKindComponent>(block)) world.getComponent<BlockKindComponent>(block).kind = kind;
}

std::vector<BlockKind> generatedLevelKinds(const std::vector<BlockPlacement>& blocks)
{
    // The player falls from its spawn point (0, 0, 10) straight down.
    const Course course = chooseCourse(blocks, GamePhysics::levelBlockRotation(), glm::vec2(0.0f));
    std::vector<BlockKind> kinds(blocks.size(), BlockKind::plain);
    for (const std::size_t checkpoint : course.checkpoints) kinds[checkpoint] = BlockKind::checkpoint;
    if (course.hasFinish) kinds[course.finish] = BlockKind::finish;
    return kinds;
}

void createLevel(GameMap& map, Engine::ECS::EntityManager& world)
{
    const std::vector<BlockPlacement> blocks = levelBlockPlacements();
    const std::vector<BlockKind> kinds = generatedLevelKinds(blocks);
    for (std::size_t i = 0; i < blocks.size(); ++i) {
        createBlock(map, world, blocks[i].position, blocks[i].size, kinds[i]);
    }
    requestMapRebuild(map);
}

} // namespace Game

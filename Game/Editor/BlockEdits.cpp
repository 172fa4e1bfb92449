#include "Game/Editor/BlockEdits.h"

#include "Game/Physics/BulletConversion.h"
#include "Game/Resources/GameContext.h"
#include "Engine/ECS/EntityManager.h"
#include "Game/Level/GameMap.h"
#include "Game/Level/Level.h"
#include "Game/Level/MapGeometry.h"
#include "Game/Physics/PhysicsColliderComponent.h"
#include "Game/Physics/PhysicsRigidBodyComponent.h"
#include "Game/Physics/PhysicsWorld.h"
#include "Game/Scene/TransformComponent.h"

#include <algorithm>
#include <memory>

namespace Game {

namespace {

using GamePhysics::toBullet;

void rebuildThisStep(GameMap& map)
{
    map.rebuildCountdown = GameMap::rebuildNextStep;
}

void placeBody(const GameContext& game, uint32_t block, const BlockPose& pose, bool resized)
{
    Engine::ECS::EntityManager& world = *game.world;
    if (!world.hasComponent<PhysicsRigidBodyComponent>(block)) return;
    PhysicsRigidBodyComponent& body = world.getComponent<PhysicsRigidBodyComponent>(block);
    btDiscreteDynamicsWorld* dynamics = game.physicsWorld->getDynamicsWorld();
    if (resized && world.hasComponent<PhysicsColliderComponent>(block)) {
        auto shape = std::make_shared<btBoxShape>(toBullet(pose.size * 0.5f));
        world.getComponent<PhysicsColliderComponent>(block).shape = shape;
        body.attach(shape, dynamics);
    }
    const glm::quat& q = pose.rotation;
    body.getBody()->setWorldTransform(btTransform(toBullet(q), toBullet(pose.position)));
    if (body.getWorld() != nullptr) dynamics->updateSingleAabb(body.getBody());
}

uint32_t insertBlock(const GameContext& game, GameMap& map, std::size_t index, const BlockPose& pose)
{
    const uint32_t block = createPosedBlock(*game.world, pose);
    std::vector<uint32_t>& blocks = map.blocks;
    blocks.insert(blocks.begin() + static_cast<std::ptrdiff_t>(std::min(index, blocks.size())), block);
    return block;
}

void removeBlock(const GameContext& game, GameMap& map, std::size_t index)
{
    std::vector<uint32_t>& blocks = map.blocks;
    if (index >= blocks.size()) return;
    game.world->destroyEntity(blocks[index]);
    blocks.erase(blocks.begin() + static_cast<std::ptrdiff_t>(index));
}

} // namespace

BlockPose poseOf(Engine::ECS::EntityManager& world, uint32_t block)
{
    const TransformComponent& transform = world.getComponent<TransformComponent>(block);
    return BlockPose{transform.position, transform.scale, transform.rotation, blockKindOf(world, block)};
}

std::vector<BlockPose> levelPoses(const GameContext& game, GameMap& map)
{
    std::vector<BlockPose> poses;
    for (const uint32_t block : map.blocks) {
        if (game.world->hasComponent<TransformComponent>(block)) poses.push_back(poseOf(*game.world, block));
    }
    return poses;
}

void placeBlock(const GameContext& game, GameMap& map, uint32_t block, const BlockPose& pose)
{
    if (!game.world->hasComponent<TransformComponent>(block)) return;
    TransformComponent& transform = game.world->getComponent<TransformComponent>(block);
    const bool resized = transform.scale != pose.size;
    transform.position = pose.position;
    transform.scale = pose.size;
    transform.rotation = pose.rotation;
    setBlockKind(*game.world, block, pose.kind);
    placeBody(game, block, pose, resized);
    rebuildThisStep(map);
}

std::vector<uint32_t> applyEdit(const GameContext& game, GameMap& map, const Edit& edit)
{
    std::vector<BlockChange> changes = edit.changes;
    std::sort(changes.begin(), changes.end(),
              [](const BlockChange& a, const BlockChange& b) { return a.index > b.index; });
    for (const BlockChange& change : changes) {
        if (!change.after) removeBlock(game, map, change.index);
    }
    std::vector<uint32_t> touched;
    for (const BlockChange& change : changes) {
        if (change.before && change.after && change.index < map.blocks.size()) {
            touched.push_back(map.blocks[change.index]);
            placeBlock(game, map, touched.back(), *change.after);
        }
    }
    std::reverse(changes.begin(), changes.end());
    for (const BlockChange& change : changes) {
        if (!change.before && change.after) touched.push_back(insertBlock(game, map, change.index, *change.after));
    }
    game.world->refresh();
    rebuildThisStep(map);
    return touched;
}

void createLevelFrom(GameMap& map, Engine::ECS::EntityManager& world, const std::vector<BlockPose>& poses)
{
    for (const BlockPose& pose : poses) {
        map.blocks.push_back(createPosedBlock(world, pose));
    }
    requestMapRebuild(map);
}

} // namespace Game

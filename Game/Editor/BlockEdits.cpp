#include "Game/Editor/BlockEdits.h"

#include "Engine/Base/DataFileError.h"
#include "Engine/Base/Log.h"
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

btVector3 toBullet(const glm::vec3& v)
{
    return btVector3(v.x, v.y, v.z);
}

void rebuildThisStep(GameMap& map)
{
    map.rebuildCountdown = GameMap::rebuildNextStep;
}

void placeBody(const LevelScene& scene, uint32_t block, const BlockPose& pose, bool resized)
{
    Engine::ECS::EntityManager& world = *scene.world;
    if (!world.hasComponent<PhysicsRigidBodyComponent>(block)) return;
    PhysicsRigidBodyComponent& body = world.getComponent<PhysicsRigidBodyComponent>(block);
    btDiscreteDynamicsWorld* dynamics = scene.physicsWorld->getDynamicsWorld();
    if (resized && world.hasComponent<PhysicsColliderComponent>(block)) {
        auto shape = std::make_shared<btBoxShape>(toBullet(pose.size * 0.5f));
        world.getComponent<PhysicsColliderComponent>(block).shape = shape;
        body.attach(shape, dynamics);
    }
    const glm::quat& q = pose.rotation;
    body.getBody()->setWorldTransform(btTransform(btQuaternion(q.x, q.y, q.z, q.w), toBullet(pose.position)));
    if (body.getWorld() != nullptr) dynamics->updateSingleAabb(body.getBody());
}

uint32_t insertBlock(const LevelScene& scene, std::size_t index, const BlockPose& pose)
{
    const uint32_t block = createPosedBlock(*scene.world, pose);
    std::vector<uint32_t>& blocks = scene.map->blocks;
    blocks.insert(blocks.begin() + static_cast<std::ptrdiff_t>(std::min(index, blocks.size())), block);
    return block;
}

void removeBlock(const LevelScene& scene, std::size_t index)
{
    std::vector<uint32_t>& blocks = scene.map->blocks;
    if (index >= blocks.size()) return;
    scene.world->destroyEntity(blocks[index]);
    blocks.erase(blocks.begin() + static_cast<std::ptrdiff_t>(index));
}

} // namespace

BlockPose poseOf(Engine::ECS::EntityManager& world, uint32_t block)
{
    const TransformComponent& transform = world.getComponent<TransformComponent>(block);
    return BlockPose{transform.position, transform.scale, transform.rotation, blockKindOf(world, block)};
}

std::vector<BlockPose> levelPoses(const LevelScene& scene)
{
    std::vector<BlockPose> poses;
    for (const uint32_t block : scene.map->blocks) {
        if (scene.world->hasComponent<TransformComponent>(block)) poses.push_back(poseOf(*scene.world, block));
    }
    return poses;
}

void placeBlock(const LevelScene& scene, uint32_t block, const BlockPose& pose)
{
    if (!scene.world->hasComponent<TransformComponent>(block)) return;
    TransformComponent& transform = scene.world->getComponent<TransformComponent>(block);
    const bool resized = transform.scale != pose.size;
    transform.position = pose.position;
    transform.scale = pose.size;
    transform.rotation = pose.rotation;
    setBlockKind(*scene.world, block, pose.kind);
    placeBody(scene, block, pose, resized);
    rebuildThisStep(*scene.map);
}

std::vector<uint32_t> applyEdit(const LevelScene& scene, const Edit& edit)
{
    std::vector<BlockChange> changes = edit.changes;
    std::sort(changes.begin(), changes.end(),
              [](const BlockChange& a, const BlockChange& b) { return a.index > b.index; });
    for (const BlockChange& change : changes) {
        if (!change.after) removeBlock(scene, change.index);
    }
    std::vector<uint32_t> touched;
    for (const BlockChange& change : changes) {
        if (change.before && change.after && change.index < scene.map->blocks.size()) {
            touched.push_back(scene.map->blocks[change.index]);
            placeBlock(scene, touched.back(), *change.after);
        }
    }
    std::reverse(changes.begin(), changes.end());
    for (const BlockChange& change : changes) {
        if (!change.before && change.after) touched.push_back(insertBlock(scene, change.index, *change.after));
    }
    scene.world->refresh();
    rebuildThisStep(*scene.map);
    return touched;
}

void createLevelFrom(GameMap& map, Engine::ECS::EntityManager& world, const std::vector<BlockPose>& poses)
{
    for (const BlockPose& pose : poses) {
        map.blocks.push_back(createPosedBlock(world, pose));
    }
    requestMapRebuild(map);
}

void createLevelFromFileOrGenerator(GameMap& map, Engine::ECS::EntityManager& world, const std::string& path)
{
    const LevelRead level = readLevelFile(path, maxLevelBlocks);
    if (level.found && level.ok()) {
        createLevelFrom(map, world, level.blocks);
        return;
    }
    if (!level.ok()) {
        const std::string fault = Engine::DataFileError(path, level.error).what();
        Engine::logError("LEVEL FILE " + fault + "; the generated level is used, and a save keeps the file as " + path
                         + refusedLevelSuffix);
    }
    createLevel(map, world);
}

} // namespace Game

#include "Game/Level/MapGeometry.h"

#include "Engine/ECS/EntityManager.h"
#include "Game/Level/ColorIdPool.h"
#include "Game/Level/GameMap.h"
#include "Game/Level/Level.h"
#include "Game/Scene/TransformComponent.h"
#include "Game/Scene/TransformInterpolation.h"

#include <glm/gtc/matrix_transform.hpp>

#include <memory>

namespace Game {

namespace {

const glm::vec3 boxMin(-0.5f);
const glm::vec3 boxMax(0.5f);

glm::mat4 blockMatrix(const TransformComponent& transform)
{
    return glm::translate(glm::mat4(1.0f), transform.position) * rotationMatrix(transform.rotation) *
           glm::scale(glm::mat4(1.0f), transform.scale);
}

void appendBlock(MapGeometry& geometry, const TransformComponent& transform, BlockKind kind, ColorIdPool& pool)
{
    const glm::vec2 repeat(transform.scale.x, transform.scale.y);
    geometry.mesh.addBox(boxMin, boxMax, blockKindTint(kind), repeat, blockMatrix(transform));
    for (uint32_t face = 0; face < MapGeometry::facesPerBox; ++face) {
        geometry.faceIds.push_back(pool.take());
        geometry.colorIds.insert(geometry.colorIds.end(), MapGeometry::verticesPerFace, geometry.faceIds.back().toColor());
    }
}

} // namespace

MapGeometry assembleMapGeometry(const std::vector<uint32_t>& blocks, Engine::ECS::EntityManager& world,
                                ColorIdPool& pool)
{
    MapGeometry geometry;
    for (const uint32_t block : blocks) {
        if (!world.hasComponent<TransformComponent>(block)) continue;
        appendBlock(geometry, world.getComponent<TransformComponent>(block), blockKindOf(world, block), pool);
    }
    return geometry;
}

void rebuildMapModel(GameMap& map, Engine::ECS::EntityManager& world, ColorIdPool& pool)
{
    map.mergedModel.reset();
    for (auto id = map.faceIds.rbegin(); id != map.faceIds.rend(); ++id) pool.release(*id);
    map.faceIds.clear();
    if (map.blocks.empty()) return;
    const MapGeometry geometry = assembleMapGeometry(map.blocks, world, pool);
    map.faceIds = geometry.faceIds;
    if (geometry.vertexCount() == 0) return;
    auto model = std::make_unique<Model3Dmap>();
    model->fill(geometry);
    map.mergedModel = std::move(model);
}

void requestMapRebuild(GameMap& map)
{
    map.rebuildCountdown = GameMap::rebuildRequested;
}

bool advanceRebuildCountdown(GameMap& map)
{
    if (map.rebuildCountdown == GameMap::rebuildRequested) {
        map.rebuildCountdown = GameMap::rebuildNextStep;
        return false;
    }
    if (map.rebuildCountdown >= GameMap::rebuildNextStep) {
        map.rebuildCountdown = GameMap::noRebuild;
        return true;
    }
    return false;
}

void stepMapRebuild(GameMap& map, Engine::ECS::EntityManager& world, ColorIdPool& pool)
{
    if (advanceRebuildCountdown(map)) rebuildMapModel(map, world, pool);
}

} // namespace Game

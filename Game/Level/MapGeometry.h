#pragma once

#include <cstdint>
#include <vector>

#include <glm/glm.hpp>

#include "Engine/Mesh/MeshBuilder.h"
#include "Game/Level/ColorIdPool.h"

namespace Engine::ECS {
class EntityManager;
}

namespace Game {

struct GameMap;

// The merged level model before upload: one transformed unit box per block
// and a colour id per vertex, the same for the six vertices of a face.
struct MapGeometry {
    static constexpr uint32_t facesPerBox = 6;
    static constexpr uint32_t verticesPerFace = 6;

    Engine::GFX::Mesh::MeshBuilder mesh;
    std::vector<glm::vec3> colorIds;
    // The ids taken, one per face.
    std::vector<ColorId> faceIds;

    std::size_t vertexCount() const { return mesh.vertexCount(); }
};

// A box from -0.5 to 0.5 per block that still has a transform, in list order,
// moved by translate(position) x rotation x scale(scale), its texture
// repeated (scale.x, scale.y) times, coloured by blockKindTint of its kind;
// each face takes a new id from the pool.
MapGeometry assembleMapGeometry(const std::vector<uint32_t>& blocks, Engine::ECS::EntityManager& world,
                                ColorIdPool& pool);

// Replaces the merged model with one built from the current blocks; leaves
// none when no block has a transform. The ids of the model it replaces go
// back to the pool first, so the same level gets the same ids again. Needs a
// current GL context.
void rebuildMapModel(GameMap& map, Engine::ECS::EntityManager& world, ColorIdPool& pool);

// Asks for a rebuild; it happens in the update step after the next.
void requestMapRebuild(GameMap& map);

// Advances the countdown by one update step: true when the rebuild is due now.
bool advanceRebuildCountdown(GameMap& map);

// The rebuild's part of one update step: advances the countdown and
// rebuilds when it has run down.
void stepMapRebuild(GameMap& map, Engine::ECS::EntityManager& world, ColorIdPool& pool);

} // namespace Game

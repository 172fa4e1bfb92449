#include "Game/Level/Model3Dmap.h"

#include "Engine/Base/Assert.h"
#include "Engine/Graphics/VertexLayout.h"
#include "Game/Level/MapGeometry.h"

namespace Game {

namespace {
constexpr uint32_t positionAttribute = 0;
constexpr uint32_t normalAttribute = 1;
constexpr uint32_t colourIdAttribute = 4;
} // namespace

Model3Dmap::Model3Dmap()
    : VAO(Engine::GFX::mapLayout)
{
}

void Model3Dmap::fill(const MapGeometry& geometry)
{
    GAME_ASSERT(geometry.vertexCount() > 0);
    GAME_ASSERT(geometry.colorIds.size() == geometry.vertexCount());
    setBuffer(positionAttribute, geometry.mesh.positions);
    setBuffer(normalAttribute, geometry.mesh.normals);
    setBuffer(geometry.mesh.colors);
    setBuffer(geometry.mesh.texcoords);
    setBuffer(colourIdAttribute, geometry.colorIds);
    upload();
}

} // namespace Game

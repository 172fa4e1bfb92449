#pragma once

#include <cstdint>

namespace Engine::GFX::Mesh {

// One drawable part of an indexed mesh: a range of the index list, counted
// in indices, drawn with a base vertex added to every index.
struct SubMesh {
    uint32_t firstIndex = 0;
    uint32_t indexCount = 0;
    uint32_t baseVertex = 0;
};

// Draws the parts [first, last) as triangles; the caller has bound the
// vertex array and its element buffer.
void drawSubMeshes(const SubMesh* first, const SubMesh* last);

} // namespace Engine::GFX::Mesh

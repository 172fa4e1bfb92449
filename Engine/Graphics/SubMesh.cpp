#include "Engine/Graphics/SubMesh.h"

#include <GL/glew.h>

namespace Engine::GFX::Mesh {

namespace {
constexpr uintptr_t indexSize = sizeof(uint32_t);
}

void drawSubMeshes(const SubMesh* first, const SubMesh* last)
{
    for (const SubMesh* part = first; part != last; ++part) {
        // GL takes the offset into the bound element buffer as a pointer.
        const auto offset = reinterpret_cast<const void*>(part->firstIndex * indexSize);
        glDrawElementsBaseVertex(GL_TRIANGLES, static_cast<GLsizei>(part->indexCount),
                                 GL_UNSIGNED_INT, offset, static_cast<GLint>(part->baseVertex));
    }
}

} // namespace Engine::GFX::Mesh

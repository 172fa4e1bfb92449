#include "Engine/Graphics/SkeletalMesh.h"

#include <GL/glew.h>

namespace Engine::GFX::Mesh {

SkeletalMesh::SkeletalMesh()
    : VAOi(skinnedLayout)
{
}

void SkeletalMesh::draw()
{
    glBindVertexArray(vertexArray);
    enableAttributes();
    drawSubMeshes(parts.data(), parts.data() + parts.size());
    disableAttributes();
    glBindVertexArray(0);
}

} // namespace Engine::GFX::Mesh

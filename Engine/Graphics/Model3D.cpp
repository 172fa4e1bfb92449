#include "Engine/Graphics/Model3D.h"

#include <GL/glew.h>

#include "Engine/Base/Assert.h"

namespace Engine::GFX::Mesh {

Model3D::Model3D()
    : VAO(standardLayout)
{
}

Model3Di::Model3Di()
    : VAOi(standardLayout)
{
}

void Model3Di::draw()
{
    drawParts(parts.data(), parts.data() + parts.size());
}

void Model3Di::drawPart(const std::string& meshName)
{
    const auto found = nameToIndex.find(meshName);
    GAME_ASSERT_MSG(found != nameToIndex.end(), "nameToIndex.find(meshName) != nameToIndex.end()");
    const SubMesh* part = &parts[static_cast<size_t>(found->second)];
    drawParts(part, part + 1);
}

// Unbinding the element buffer while the vertex array is bound clears the
// array's record of it, so it is bound again on every draw.
void Model3Di::drawParts(const SubMesh* first, const SubMesh* last)
{
    glBindVertexArray(vertexArray);
    enableAttributes();
    glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, indexBuffer);
    drawSubMeshes(first, last);
    glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, 0);
    disableAttributes();
    glBindVertexArray(0);
}

} // namespace Engine::GFX::Mesh

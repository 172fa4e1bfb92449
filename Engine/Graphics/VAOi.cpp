#include "Engine/Graphics/VAOi.h"

#include <GL/glew.h>

#include "Engine/Base/Assert.h"

namespace Engine::GFX {

namespace {
constexpr GLsizeiptr indexSize = sizeof(uint32_t);
}

VAOi::VAOi(const VertexLayout& layout)
    : VAO(layout)
{
    glGenBuffers(1, &indexBuffer);
}

VAOi::~VAOi()
{
    glDeleteBuffers(1, &indexBuffer);
}

void VAOi::draw()
{
    glBindVertexArray(vertexArray);
    enableAttributes();
    glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, indexBuffer);
    glDrawElements(GL_TRIANGLES, static_cast<GLsizei>(indexCount), GL_UNSIGNED_INT, nullptr);
    disableAttributes();
    glBindVertexArray(0);
}

void VAOi::finishUpload()
{
    // Without data GL would allocate an uninitialised index buffer and draw garbage indices.
    GAME_ASSERT(indexCount == 0 || indexData != nullptr);
    glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, indexBuffer);
    glBufferData(GL_ELEMENT_ARRAY_BUFFER, indexCount * indexSize, indexData.get(),
                 GL_STATIC_DRAW);
}

} // namespace Engine::GFX

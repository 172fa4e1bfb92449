#include "Engine/Graphics/ColouredLines.h"

#include <GL/glew.h>

namespace Engine::GFX {

namespace {

constexpr GLuint positionAttribute = 0;
constexpr GLuint colourAttribute = 1;
constexpr GLint componentsPerAttribute = 3;
constexpr GLsizei vertexStride = ColouredLines::floatsPerVertex * sizeof(float);
constexpr std::size_t colourOffset = componentsPerAttribute * sizeof(float);

void enableAttribute(GLuint index, std::size_t offset)
{
    glEnableVertexAttribArray(index);
    glVertexAttribPointer(index, componentsPerAttribute, GL_FLOAT, GL_FALSE, vertexStride,
                          reinterpret_cast<const void*>(offset));
}

} // namespace

ColouredLines::ColouredLines(const float* vertices, std::size_t vertexCount)
    : vertexCount(static_cast<int32_t>(vertexCount))
{
    glGenBuffers(1, &vertexBuffer);
    glGenVertexArrays(1, &vertexArray);
    glBindVertexArray(vertexArray);
    glBindBuffer(GL_ARRAY_BUFFER, vertexBuffer);
    glBufferData(GL_ARRAY_BUFFER, static_cast<GLsizeiptr>(vertexCount * vertexStride), vertices, GL_STATIC_DRAW);
    enableAttribute(positionAttribute, 0);
    enableAttribute(colourAttribute, colourOffset);
    glBindVertexArray(0);
}

void ColouredLines::replace(const float* vertices, std::size_t count)
{
    vertexCount = static_cast<int32_t>(count);
    glBindBuffer(GL_ARRAY_BUFFER, vertexBuffer);
    glBufferData(GL_ARRAY_BUFFER, static_cast<GLsizeiptr>(count * vertexStride), vertices, GL_STREAM_DRAW);
    glBindBuffer(GL_ARRAY_BUFFER, 0);
}

ColouredLines::~ColouredLines()
{
    glDeleteBuffers(1, &vertexBuffer);
    glDeleteVertexArrays(1, &vertexArray);
}

void ColouredLines::draw() const
{
    glBindVertexArray(vertexArray);
    glDrawArrays(GL_LINES, 0, vertexCount);
    glBindVertexArray(0);
}

} // namespace Engine::GFX

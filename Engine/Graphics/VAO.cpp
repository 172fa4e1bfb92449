#include "Engine/Graphics/VAO.h"

#include <GL/glew.h>

#include "Engine/Base/Assert.h"
#include "Engine/Graphics/FlatArray.h"

namespace Engine::GFX {

namespace {

constexpr uint32_t colourAttribute = 2;
constexpr uint32_t texcoordAttribute = 3;

} // namespace

VAO::VAO(const VertexLayout& layout)
{
    // The layout is checked before any GL object exists, so a bad layout leaks nothing.
    GAME_ASSERT(layout.empty() == false);
    attributeCount = static_cast<uint32_t>(layout.size());
    buffers.resize(attributeCount);
    for (uint32_t i = 0; i < attributeCount; ++i) {
        buffers[i].setType(MeshBuffer::typeFromLayoutCode(layout[i].typeCode));
        componentCounts.push_back(layout[i].components);
    }
    bufferNames.assign(attributeCount, 0);
    bufferFilled.assign(attributeCount, 0);
    elementCounts.assign(attributeCount, 0);
    glGenVertexArrays(1, &vertexArray);
}

VAO::~VAO()
{
    glBindVertexArray(vertexArray);
    disableAttributes();
    glBindBuffer(GL_ARRAY_BUFFER, 0);
    // Names are 0 until upload; GL ignores 0 when deleting.
    glDeleteBuffers(static_cast<GLsizei>(attributeCount), bufferNames.data());
    glBindVertexArray(0);
    glDeleteVertexArrays(1, &vertexArray);
}

void VAO::setBuffer(uint32_t index, std::unique_ptr<float[]> data, uint32_t count)
{
    bufferAt(index).setData(std::move(data));
    markFilled(index, count);
}

void VAO::setBuffer(uint32_t index, std::unique_ptr<uint32_t[]> data, uint32_t count)
{
    bufferAt(index).setData(std::move(data));
    markFilled(index, count);
}

void VAO::setBuffer(uint32_t index, const std::vector<glm::vec3>& values)
{
    setBuffer(index, toFlatArray(values), static_cast<uint32_t>(values.size() * 3));
}

void VAO::setBuffer(const std::vector<glm::vec4>& values)
{
    setBuffer(colourAttribute, toFlatArray(values),
              static_cast<uint32_t>(values.size() * 4));
}

void VAO::setBuffer(const std::vector<glm::vec2>& values)
{
    setBuffer(texcoordAttribute, toFlatArray(values),
              static_cast<uint32_t>(values.size() * 2));
}

void VAO::upload()
{
    requireAllData();
    glBindVertexArray(vertexArray);
    glGenBuffers(static_cast<GLsizei>(attributeCount), bufferNames.data());
    for (uint32_t i = 0; i < attributeCount; ++i) {
        uploadAttribute(i);
    }
    finishUpload();
    glBindVertexArray(0);
}

void VAO::draw()
{
    glBindVertexArray(vertexArray);
    enableAttributes();
    // The vertex count comes from attribute 0.
    glDrawArrays(GL_TRIANGLES, 0, static_cast<GLsizei>(elementCounts[0] / componentCounts[0]));
    disableAttributes();
    glBindVertexArray(0);
}

void VAO::finishUpload()
{
}

void VAO::uploadAttribute(uint32_t index)
{
    const MeshBuffer& buffer = buffers[index];
    const MeshBuffer::Type type = buffer.getType();
    const auto components = static_cast<GLint>(componentCounts[index]);
    glBindBuffer(GL_ARRAY_BUFFER, bufferNames[index]);
    glEnableVertexAttribArray(index);
    if (MeshBuffer::isInteger(type)) {
        glVertexAttribIPointer(index, components, MeshBuffer::glType(type), 0, nullptr);
    } else {
        glVertexAttribPointer(index, components, MeshBuffer::glType(type), GL_FALSE, 0, nullptr);
    }
    const auto bytes =
        static_cast<GLsizeiptr>(elementCounts[index]) * MeshBuffer::elementSize(type);
    glBufferData(GL_ARRAY_BUFFER, bytes, buffer.getData(), GL_STATIC_DRAW);
}

void VAO::requireAllData() const
{
    // Reading each array asserts that its type and data were given, before any GL state changes.
    for (const MeshBuffer& buffer : buffers) {
        buffer.getData();
    }
}

void VAO::enableAttributes()
{
    for (uint32_t i = 0; i < attributeCount; ++i) {
        glEnableVertexAttribArray(i);
    }
}

void VAO::disableAttributes()
{
    for (uint32_t i = 0; i < attributeCount; ++i) {
        glDisableVertexAttribArray(i);
    }
}

MeshBuffer& VAO::bufferAt(uint32_t index)
{
    GAME_ASSERT(index < attributeCount);
    return buffers[index];
}

void VAO::markFilled(uint32_t index, uint32_t count)
{
    elementCounts[index] = count;
    bufferFilled[index] = 1;
}

} // namespace Engine::GFX

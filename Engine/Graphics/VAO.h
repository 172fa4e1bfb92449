#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include <glm/glm.hpp>

#include "Engine/Graphics/Drawable.h"
#include "Engine/Graphics/MeshBuffer.h"
#include "Engine/Graphics/VertexLayout.h"

namespace Engine::GFX {

// A GL vertex array with one buffer per attribute (no interleaving).
// Order of use: construct with a layout, give every attribute its data once
// with setBuffer, upload once, then draw as often as needed.
class VAO : public Drawable {
public:
    explicit VAO(const VertexLayout& layout);
    ~VAO() override;

    // count is the number of scalars (vertices x components). The VAO takes
    // the array and frees it when it is destroyed.
    void setBuffer(uint32_t index, std::unique_ptr<float[]> data, uint32_t count);
    void setBuffer(uint32_t index, std::unique_ptr<uint32_t[]> data, uint32_t count);
    // Positions and normals go to the given attribute (4 for mapLayout colour ids).
    void setBuffer(uint32_t index, const std::vector<glm::vec3>& values);
    // Colours: always attribute 2.
    void setBuffer(const std::vector<glm::vec4>& values);
    // Texture coordinates: always attribute 3.
    void setBuffer(const std::vector<glm::vec2>& values);

    void upload();
    void draw() override;

    uint32_t attributeCount = 0;
    uint32_t vertexArray = 0;
    std::vector<uint32_t> bufferNames;
    std::vector<uint32_t> componentCounts;
    std::vector<uint8_t> bufferFilled;
    std::vector<uint32_t> elementCounts;
    std::vector<MeshBuffer> buffers;

protected:
    void finishUpload() override;
    void requireAllData() const;
    void uploadAttribute(uint32_t index);
    void enableAttributes();
    void disableAttributes();
    MeshBuffer& bufferAt(uint32_t index);
    void markFilled(uint32_t index, uint32_t count);
};

} // namespace Engine::GFX

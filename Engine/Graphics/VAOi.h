#pragma once

#include <cstdint>
#include <memory>

#include "Engine/Graphics/VAO.h"

namespace Engine::GFX {

// A vertex array with an element array of 32-bit triangle indices. The
// filling code assigns indexData and indexCount before upload.
class VAOi : public VAO {
public:
    explicit VAOi(const VertexLayout& layout);
    ~VAOi() override;

    void draw() override;

    uint32_t indexBuffer = 0;
    std::unique_ptr<uint32_t[]> indexData;
    uint32_t indexCount = 0;

protected:
    // Runs while the vertex array is bound, so the array records the index buffer.
    void finishUpload() override;
};

} // namespace Engine::GFX

#pragma once

#include <cstddef>
#include <cstdint>

namespace Engine::GFX {

// Line segments with a colour per vertex, in one vertex buffer and one
// vertex array of their own: position (3 floats) then colour (3 floats),
// 24 bytes per vertex. Made for few lines drawn at once with whatever
// program is current. Needs a current GL context.
class ColouredLines {
public:
    static constexpr std::size_t floatsPerVertex = 6;

    // Uploads vertexCount vertices from vertices (floatsPerVertex each).
    ColouredLines(const float* vertices, std::size_t vertexCount);
    ~ColouredLines();
    ColouredLines(const ColouredLines&) = delete;
    ColouredLines& operator=(const ColouredLines&) = delete;

    // New vertices in the same buffer, for lines that change every frame.
    void replace(const float* vertices, std::size_t vertexCount);
    // GL_LINES over every vertex.
    void draw() const;

    uint32_t vertexBuffer = 0;
    uint32_t vertexArray = 0;

private:
    int32_t vertexCount = 0;
};

} // namespace Engine::GFX

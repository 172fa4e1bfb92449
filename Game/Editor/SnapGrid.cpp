#include "Game/Editor/SnapGrid.h"

#include <cmath>

namespace Game {

namespace {

constexpr uint32_t zHandle = 3;

void addVertex(std::vector<float>& out, const glm::vec3& position, const glm::vec3& colour)
{
    out.insert(out.end(), {position.x, position.y, position.z, colour.r, colour.g, colour.b});
}

// One line along `along` at `offset` across it, as two segments meeting at
// its brightest point.
void addLine(std::vector<float>& out, const glm::vec3& middle, const glm::vec3& along, float halfSide,
             const glm::vec3& colour)
{
    const glm::vec3 black(0.0f);
    addVertex(out, middle - along * halfSide, black);
    addVertex(out, middle, colour);
    addVertex(out, middle, colour);
    addVertex(out, middle + along * halfSide, black);
}

} // namespace

GridPlane gridPlaneOf(const BlockDrag& drag, const glm::vec3& viewDirection)
{
    const glm::vec3 up(0.0f, 0.0f, 1.0f);
    if (drag.axis == zHandle) {
        const glm::vec3 across = glm::cross(up, viewDirection);
        const float length = glm::length(across);
        return GridPlane{drag.centre, length > 1e-4f ? across / length : glm::vec3(1.0f, 0.0f, 0.0f), up};
    }
    return GridPlane{drag.centre, {1.0f, 0.0f, 0.0f}, {0.0f, 1.0f, 0.0f}};
}

std::vector<float> snapGridVertices(const GridPlane& plane, float step, float halfSide, const glm::vec3& colour)
{
    std::vector<float> out;
    const int count = static_cast<int>(std::floor(halfSide / step));
    for (int k = -count; k <= count; ++k) {
        const float offset = static_cast<float>(k) * step;
        const glm::vec3 faded = colour * (1.0f - std::abs(offset) / halfSide);
        addLine(out, plane.origin + plane.u * offset, plane.v, halfSide, faded);
        addLine(out, plane.origin + plane.v * offset, plane.u, halfSide, faded);
    }
    return out;
}

} // namespace Game

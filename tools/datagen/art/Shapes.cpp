#include "tools/datagen/art/Shapes.h"

#include <algorithm>
#include <cmath>

namespace DataGen::Shapes {

float box(glm::vec2 p, glm::vec2 centre, glm::vec2 halfSize)
{
    const glm::vec2 d = glm::abs(p - centre) - halfSize;
    return glm::length(glm::max(d, 0.0f)) + std::min(std::max(d.x, d.y), 0.0f);
}

float roundedBox(glm::vec2 p, glm::vec2 centre, glm::vec2 halfSize, float radius)
{
    return box(p, centre, halfSize - glm::vec2(radius)) - radius;
}

float circle(glm::vec2 p, glm::vec2 centre, float radius)
{
    return glm::length(p - centre) - radius;
}

float segment(glm::vec2 p, glm::vec2 a, glm::vec2 b)
{
    const glm::vec2 ab = b - a;
    const float t = glm::clamp(glm::dot(p - a, ab) / glm::dot(ab, ab), 0.0f, 1.0f);
    return glm::length(p - (a + t * ab));
}

// Even-odd inside test plus the distance to the nearest edge.
float polygon(glm::vec2 p, const std::vector<glm::vec2>& corners)
{
    float nearest = 1e30f;
    bool inside = false;
    for (std::size_t i = 0, j = corners.size() - 1; i < corners.size(); j = i++) {
        const glm::vec2 a = corners[j];
        const glm::vec2 b = corners[i];
        nearest = std::min(nearest, segment(p, a, b));
        if ((b.y > p.y) != (a.y > p.y) && p.x < (a.x - b.x) * (p.y - b.y) / (a.y - b.y) + b.x) {
            inside = !inside;
        }
    }
    return inside ? -nearest : nearest;
}

float coverage(float d, float softness)
{
    return glm::clamp(0.5f - d / softness, 0.0f, 1.0f);
}

glm::vec4 over(const glm::vec4& destination, const glm::vec4& source)
{
    const float alpha = source.a + destination.a * (1.0f - source.a);
    if (alpha <= 0.0f) {
        return glm::vec4(0.0f);
    }
    const glm::vec3 colour =
        (glm::vec3(source) * source.a + glm::vec3(destination) * destination.a * (1.0f - source.a)) / alpha;
    return glm::vec4(colour, alpha);
}

glm::vec4 paint(const glm::vec4& destination, const glm::vec3& colour, float cover, float opacity)
{
    return over(destination, glm::vec4(colour, cover * opacity));
}

} // namespace DataGen::Shapes

#pragma once

#include <vector>

#include <glm/glm.hpp>

// Signed distances (negative inside) and compositing for drawing anti-aliased
// shapes; all lengths are in pixels.
namespace DataGen::Shapes {

float box(glm::vec2 p, glm::vec2 centre, glm::vec2 halfSize);
float roundedBox(glm::vec2 p, glm::vec2 centre, glm::vec2 halfSize, float radius);
float circle(glm::vec2 p, glm::vec2 centre, float radius);
// Distance to the segment a-b (never negative); subtract a half width for a stroke.
float segment(glm::vec2 p, glm::vec2 a, glm::vec2 b);
// Any simple polygon, corners in either winding order.
float polygon(glm::vec2 p, const std::vector<glm::vec2>& corners);

// Share of a pixel covered by the inside of a shape at signed distance d,
// ramping over `softness` pixels; images rendered with many samples per
// pixel use a small softness, since the samples already smooth the edge.
float coverage(float d, float softness = 1.0f);

// Straight-alpha "source over destination".
glm::vec4 over(const glm::vec4& destination, const glm::vec4& source);
// Paints `colour` over `destination` where the shape covers it.
glm::vec4 paint(const glm::vec4& destination, const glm::vec3& colour, float cover, float opacity = 1.0f);

} // namespace DataGen::Shapes

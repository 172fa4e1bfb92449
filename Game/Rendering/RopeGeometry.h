#pragma once

#include <glm/glm.hpp>
#include <glm/gtc/quaternion.hpp>

#include <optional>

// Where the grappling rope is drawn. The rope mesh spans 0..1 along its
// local +Z; the rope starts ropeGap metres from the character towards the
// hook point and ends at the hook point.
namespace RopeGeometry {

constexpr float ropeGap = 0.2f;

// The character's position blended between the start of the step (a = 0)
// and now (a = 1).
glm::vec3 blendedPosition(const glm::vec3& previous, const glm::vec3& current, float a);

// The rotation taking local +Z onto the unit direction. Up is +Z; a rope
// hanging straight up or down turns about +Y instead, since +Z gives no
// sideways axis there.
glm::quat ropeOrientation(const glm::vec3& direction);

// translate(start) x rotation x translate(0, 0, ropeGap) x scale(1, 1,
// length - ropeGap); nothing when the hook point is the start itself.
std::optional<glm::mat4> ropeModelMatrix(const glm::vec3& start, const glm::vec3& hookPoint);

} // namespace RopeGeometry

#pragma once

#include <vector>

#include <glm/glm.hpp>

#include "Game/Editor/DragMaths.h"

namespace Game {

// The plane a translate drag moves in, through the selection's centre as
// the drag started: the centre handle and the x and y arrows move in the
// horizontal plane, the z arrow in the upright plane that faces a view
// along `viewDirection` best.
struct GridPlane {
    glm::vec3 origin{0.0f};
    glm::vec3 u{1.0f, 0.0f, 0.0f};
    glm::vec3 v{0.0f, 1.0f, 0.0f};
};

GridPlane gridPlaneOf(const BlockDrag& drag, const glm::vec3& viewDirection);

// Lines of the snap grid for GL_LINES (ColouredLines' layout: position, then
// colour): a line every `step` across a square of side 2 * halfSide about
// the plane's origin, in both directions. A line is brightest where it
// crosses the middle of the square and black at its ends and at the
// square's edge, so under additive blending the grid fades out with the
// distance from the selection.
std::vector<float> snapGridVertices(const GridPlane& plane, float step, float halfSide, const glm::vec3& colour);

} // namespace Game

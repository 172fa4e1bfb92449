#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include <glm/glm.hpp>

#include "Game/Editor/SnapSteps.h"
#include "Game/Level/LevelFile.h"
#include "Game/Resources/EditorTools.h"

namespace Game {

// A ray from the camera through the cursor; the direction has unit length.
struct Ray {
    glm::vec3 origin{0.0f};
    glm::vec3 direction{0.0f, 0.0f, -1.0f};
};

inline constexpr float smallestSide = smallestBlockSide;

// The parameter t of the point axisOrigin + t * axisDirection nearest to the
// ray; none while the ray runs (almost) along the axis.
std::optional<float> axisParameterUnderRay(const Ray& ray, const glm::vec3& axisOrigin,
                                           const glm::vec3& axisDirection);

// Where the ray meets the plane, if it meets it in front of its origin.
std::optional<glm::vec3> rayPlaneHit(const Ray& ray, const glm::vec3& planePoint, const glm::vec3& planeNormal);

// The nearest multiple of step.
float snapped(float value, float step);

// The angle (radians) that turns `from` onto `to` about the unit axis, in
// whole steps of stepDegrees.
float steppedAngle(const glm::vec3& from, const glm::vec3& to, const glm::vec3& axis, float stepDegrees);

// One drag of a gizmo handle: the tool, the handle (x 1, y 2, z 3, centre 4),
// the selection as it was when the button went down, the point grabbed and
// the steps Ctrl snaps to.
struct BlockDrag {
    Tool tool = Tool::translate;
    uint32_t axis = 0;
    std::vector<uint32_t> blocks;
    std::vector<BlockPose> start;
    glm::vec3 centre{0.0f};
    float grabParameter = 0.0f;
    glm::vec3 grabPoint{0.0f};
    SnapSteps steps{};
};

// A drag from the cursor ray, or none when the handle cannot be dragged from
// this view (the ray runs along its axis or misses its plane).
std::optional<BlockDrag> beginDrag(Tool tool, uint32_t axis, std::vector<uint32_t> blocks,
                                   std::vector<BlockPose> start, const glm::vec3& centre, const Ray& cursor,
                                   const SnapSteps& steps = {});

// The selection's poses with the cursor at `cursor`:
// - translate: an arrow moves along its world axis so that the grabbed point
//   stays under the cursor's projection onto the axis; the centre handle
//   moves in the horizontal plane of the grabbed point; `snap` rounds the
//   motion to the drag's length step;
// - rotate: an arrow turns about its axis through the centre, in the drag's
//   angle steps, by the angle the cursor swept in the plane across the axis;
// - scale: an arrow changes each block's side of the same axis (its own
//   frame) by the motion along the axis, never below smallestSide.
// Where the cursor gives no answer, the poses stay where they started. Every
// pose stays within the level file's limits (withinLevelLimits).
std::vector<BlockPose> dragPoses(const BlockDrag& drag, const Ray& cursor, bool snap);

} // namespace Game

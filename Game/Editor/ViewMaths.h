#pragma once

#include <cstdint>
#include <vector>

#include <glm/glm.hpp>

#include "Game/Level/LevelFile.h"

namespace Game {

// An axis-aligned box in world space.
struct Bounds {
    glm::vec3 min{0.0f};
    glm::vec3 max{0.0f};

    glm::vec3 centre() const { return (min + max) * 0.5f; }
};

// The smallest axis-aligned box around every corner of the (turned) blocks;
// the poses must not be empty.
Bounds boundsOf(const std::vector<BlockPose>& poses);

// The lens a view is seen through: vertical field of view in degrees and
// width over height.
struct Lens {
    float fovDegrees = 60.0f;
    float aspect = 1.0f;
};

// Where a camera looking along `forward` (unit length) stands so that the
// bounds' centre is at the middle of the view and their larger side on
// screen spans half of it.
glm::vec3 framingPosition(const Bounds& bounds, const glm::vec3& forward, const Lens& lens);

// A camera move from one place to another over a number of update steps,
// easing in and out.
struct CameraFlight {
    static constexpr uint32_t focusSteps = 30;

    glm::vec3 from{0.0f};
    glm::vec3 to{0.0f};
    uint32_t step = 0;

    bool done() const { return step >= focusSteps; }
    // Moves one step on and returns the place there.
    glm::vec3 advance();
};

// A rectangle on screen in pixels, corners in any order.
struct ScreenRect {
    glm::vec2 a{0.0f};
    glm::vec2 b{0.0f};
};

// Whether the point projects inside the rectangle (edges included) on a
// viewport of the given size, pixels counted from the bottom left; a point
// level with or behind the camera never does.
bool projectsInside(const glm::vec3& point, const glm::mat4& viewProjection, const glm::vec2& viewport,
                    const ScreenRect& rect);

} // namespace Game

#include "Game/Editor/ViewMaths.h"

#include <glm/gtc/quaternion.hpp>

#include <algorithm>
#include <cmath>

namespace Game {

namespace {

// The fraction of the view the framed bounds span.
constexpr float framedShare = 0.5f;

// Unit right and up vectors of a view along `forward`, with +Z up unless the
// view runs (almost) straight up or down.
void viewAxes(const glm::vec3& forward, glm::vec3& right, glm::vec3& up)
{
    const glm::vec3 worldUp = std::abs(forward.z) > 0.999f ? glm::vec3(0.0f, 1.0f, 0.0f) : glm::vec3(0.0f, 0.0f, 1.0f);
    right = glm::normalize(glm::cross(forward, worldUp));
    up = glm::cross(right, forward);
}

} // namespace

Bounds boundsOf(const std::vector<BlockPose>& poses)
{
    Bounds bounds{glm::vec3(INFINITY), glm::vec3(-INFINITY)};
    for (const BlockPose& pose : poses) {
        for (int corner = 0; corner < 8; ++corner) {
            const glm::vec3 sign((corner & 1) ? 1.0f : -1.0f, (corner & 2) ? 1.0f : -1.0f, (corner & 4) ? 1.0f : -1.0f);
            const glm::vec3 point = pose.position + pose.rotation * (sign * pose.size * 0.5f);
            bounds.min = glm::min(bounds.min, point);
            bounds.max = glm::max(bounds.max, point);
        }
    }
    return bounds;
}

glm::vec3 framingPosition(const Bounds& bounds, const glm::vec3& forward, const Lens& lens)
{
    glm::vec3 right, up;
    viewAxes(forward, right, up);
    const glm::vec3 half = (bounds.max - bounds.min) * 0.5f;
    // The box's half extents across and along the view.
    const float across = glm::dot(glm::abs(right), half);
    const float upward = glm::dot(glm::abs(up), half);
    const float depth = glm::dot(glm::abs(forward), half);
    const float tanUp = std::tan(glm::radians(lens.fovDegrees) * 0.5f);
    const float tanAcross = tanUp * lens.aspect;
    // The near face sits where its half extents fill framedShare of the view.
    const float nearFace = std::max(across / (framedShare * tanAcross), upward / (framedShare * tanUp));
    return bounds.centre() - forward * (nearFace + depth);
}

glm::vec3 CameraFlight::advance()
{
    step = std::min(step + 1, focusSteps);
    const float t = static_cast<float>(step) / static_cast<float>(focusSteps);
    return glm::mix(from, to, t * t * (3.0f - 2.0f * t));
}

bool projectsInside(const glm::vec3& point, const glm::mat4& viewProjection, const glm::vec2& viewport,
                    const ScreenRect& rect)
{
    const glm::vec4 clip = viewProjection * glm::vec4(point, 1.0f);
    if (clip.w <= 0.0f) return false;
    const glm::vec2 pixel = (glm::vec2(clip) / clip.w * 0.5f + 0.5f) * viewport;
    const glm::vec2 low = glm::min(rect.a, rect.b), high = glm::max(rect.a, rect.b);
    return pixel.x >= low.x && pixel.x <= high.x && pixel.y >= low.y && pixel.y <= high.y;
}

} // namespace Game

#include "Game/Editor/DragMaths.h"

#include <glm/gtc/quaternion.hpp>

#include <cmath>

namespace Game {

namespace {

// Below this the ray is taken as running along the axis or the plane.
constexpr float parallelLimit = 1e-4f;
constexpr uint32_t centreHandle = 4;

glm::vec3 axisVector(uint32_t axis)
{
    glm::vec3 direction(0.0f);
    if (axis >= 1 && axis <= 3) direction[static_cast<int>(axis) - 1] = 1.0f;
    return direction;
}

const glm::vec3 up(0.0f, 0.0f, 1.0f);

std::optional<float> axisMotion(const BlockDrag& drag, const Ray& cursor, bool snap)
{
    const auto t = axisParameterUnderRay(cursor, drag.centre, axisVector(drag.axis));
    if (!t) return std::nullopt;
    const float motion = *t - drag.grabParameter;
    return snap ? snapped(motion, drag.steps.length) : motion;
}

void translate(const BlockDrag& drag, const Ray& cursor, bool snap, std::vector<BlockPose>& poses)
{
    glm::vec3 motion(0.0f);
    if (drag.axis == centreHandle) {
        const auto hit = rayPlaneHit(cursor, drag.grabPoint, up);
        if (!hit) return;
        motion = glm::vec3(*hit - drag.grabPoint) * glm::vec3(1.0f, 1.0f, 0.0f);
        if (snap) motion = glm::vec3(snapped(motion.x, drag.steps.length), snapped(motion.y, drag.steps.length), 0.0f);
    } else {
        const auto along = axisMotion(drag, cursor, snap);
        if (!along) return;
        motion = axisVector(drag.axis) * *along;
    }
    for (BlockPose& pose : poses) pose.position += motion;
}

void rotate(const BlockDrag& drag, const Ray& cursor, std::vector<BlockPose>& poses)
{
    const glm::vec3 axis = axisVector(drag.axis);
    const auto hit = rayPlaneHit(cursor, drag.centre, axis);
    if (drag.axis == centreHandle || !hit) return;
    const float angle = steppedAngle(drag.grabPoint - drag.centre, *hit - drag.centre, axis, drag.steps.angleDegrees);
    const glm::quat turn = glm::angleAxis(angle, axis);
    for (BlockPose& pose : poses) {
        pose.position = drag.centre + turn * (pose.position - drag.centre);
        pose.rotation = glm::normalize(turn * pose.rotation);
    }
}

void scale(const BlockDrag& drag, const Ray& cursor, bool snap, std::vector<BlockPose>& poses)
{
    const auto along = drag.axis == centreHandle ? std::nullopt : axisMotion(drag, cursor, snap);
    if (!along) return;
    const int side = static_cast<int>(drag.axis) - 1;
    for (BlockPose& pose : poses) pose.size[side] = std::max(smallestSide, pose.size[side] + *along);
}

} // namespace

std::optional<float> axisParameterUnderRay(const Ray& ray, const glm::vec3& axisOrigin,
                                           const glm::vec3& axisDirection)
{
    // Closest points of two lines: solve for the parameters where the
    // joining segment is perpendicular to both.
    const glm::vec3 offset = axisOrigin - ray.origin;
    const float a = glm::dot(axisDirection, axisDirection);
    const float b = glm::dot(axisDirection, ray.direction);
    const float c = glm::dot(ray.direction, ray.direction);
    const float denominator = a * c - b * b;
    if (denominator <= parallelLimit * a * c) return std::nullopt;
    return (b * glm::dot(ray.direction, offset) - c * glm::dot(axisDirection, offset)) / denominator;
}

std::optional<glm::vec3> rayPlaneHit(const Ray& ray, const glm::vec3& planePoint, const glm::vec3& planeNormal)
{
    const float facing = glm::dot(ray.direction, planeNormal);
    if (std::abs(facing) < parallelLimit) return std::nullopt;
    const float distance = glm::dot(planePoint - ray.origin, planeNormal) / facing;
    if (distance < 0.0f) return std::nullopt;
    return ray.origin + ray.direction * distance;
}

float snapped(float value, float step)
{
    return std::round(value / step) * step;
}

float steppedAngle(const glm::vec3& from, const glm::vec3& to, const glm::vec3& axis, float stepDegrees)
{
    const float angle = std::atan2(glm::dot(axis, glm::cross(from, to)), glm::dot(from, to));
    return snapped(angle, glm::radians(stepDegrees));
}

std::optional<BlockDrag> beginDrag(Tool tool, uint32_t axis, std::vector<uint32_t> blocks,
                                   std::vector<BlockPose> start, const glm::vec3& centre, const Ray& cursor,
                                   const SnapSteps& steps)
{
    BlockDrag drag{tool, axis, std::move(blocks), std::move(start), centre, 0.0f, centre, steps};
    const bool planar = axis == centreHandle || tool == Tool::rotate;
    if (planar) {
        const auto hit = rayPlaneHit(cursor, centre, axis == centreHandle ? up : axisVector(axis));
        if (!hit) return std::nullopt;
        drag.grabPoint = *hit;
    } else {
        const auto t = axisParameterUnderRay(cursor, centre, axisVector(axis));
        if (!t) return std::nullopt;
        drag.grabParameter = *t;
    }
    return drag;
}

std::vector<BlockPose> dragPoses(const BlockDrag& drag, const Ray& cursor, bool snap)
{
    std::vector<BlockPose> poses = drag.start;
    switch (drag.tool) {
    case Tool::translate: translate(drag, cursor, snap, poses); break;
    case Tool::rotate: rotate(drag, cursor, poses); break;
    case Tool::scale: scale(drag, cursor, snap, poses); break;
    case Tool::create: break;
    }
    for (BlockPose& pose : poses) pose = withinLevelLimits(pose);
    return poses;
}

} // namespace Game

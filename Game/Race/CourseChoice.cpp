#include "Game/Race/CourseChoice.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

namespace Game {

namespace {

// The standing player's capsule spans the floor up to about 1 m; a target
// must cross its middle, an obstacle is anything below a jump's reach.
constexpr float bodyLow = 0.3f;
constexpr float bodyHigh = 0.7f;
constexpr float obstacleHeight = 1.6f;
// The capsule's radius (0.305 m) and room for drifting off the straight line.
constexpr float clearance = 0.305f + 0.6f;

struct Walk {
    glm::vec2 from;
    glm::vec2 to;
};

// Where along the walk (0 to 1) it enters the block's outline grown by the
// clearance, if it does: the slab test in two dimensions.
std::optional<float> entryAlong(const Walk& walk, const BlockReach& block)
{
    const glm::vec2 half = block.halfExtent + clearance;
    const glm::vec2 direction = walk.to - walk.from;
    float enter = 0.0f;
    float leave = 1.0f;
    for (int axis = 0; axis < 2; ++axis) {
        const float low = block.centre[axis] - half[axis] - walk.from[axis];
        const float high = block.centre[axis] + half[axis] - walk.from[axis];
        if (std::abs(direction[axis]) < 1e-6f) {
            if (low > 0.0f || high < 0.0f) return std::nullopt;
            continue;
        }
        const float a = low / direction[axis];
        const float b = high / direction[axis];
        enter = std::max(enter, std::min(a, b));
        leave = std::min(leave, std::max(a, b));
    }
    if (enter > leave) return std::nullopt;
    return enter;
}

bool isTarget(const BlockReach& block)
{
    return block.columnLow <= bodyLow && block.columnHigh >= bodyHigh;
}

bool isObstacle(const BlockReach& block)
{
    return block.lowest < obstacleHeight;
}

class CoursePicker {
public:
    CoursePicker(const std::vector<BlockPlacement>& blocks, const glm::quat& rotation, glm::vec2 start)
        : position(start), taken(blocks.size(), false)
    {
        for (const BlockPlacement& block : blocks) reaches.push_back(reachOf(block, rotation));
        // A block the player already stands in or on is no target.
        for (std::size_t i = 0; i < reaches.size(); ++i) {
            if (entryAlong({start, start}, reaches[i])) taken[i] = true;
        }
    }

    // The nearest block reached by a clear walk from where the last walk ended.
    std::optional<std::size_t> next()
    {
        std::optional<std::size_t> best;
        float bestDistance = std::numeric_limits<float>::max();
        for (std::size_t i = 0; i < reaches.size(); ++i) {
            const float distance = glm::length(reaches[i].centre - position);
            if (!taken[i] && isTarget(reaches[i]) && distance < bestDistance && isClear(i)) {
                best = i;
                bestDistance = distance;
            }
        }
        if (best) take(*best);
        return best;
    }

private:
    bool isClear(std::size_t target) const
    {
        const Walk walk{position, reaches[target].centre};
        const float arrival = *entryAlong(walk, reaches[target]);
        for (std::size_t i = 0; i < reaches.size(); ++i) {
            if (i == target || !isObstacle(reaches[i])) continue;
            const std::optional<float> entry = entryAlong(walk, reaches[i]);
            if (entry && *entry <= arrival) return false;
        }
        return true;
    }

    void take(std::size_t target)
    {
        const Walk walk{position, reaches[target].centre};
        position = walk.from + (walk.to - walk.from) * *entryAlong(walk, reaches[target]);
        taken[target] = true;
    }

    std::vector<BlockReach> reaches;
    glm::vec2 position;
    std::vector<bool> taken;
};

} // namespace

BlockReach reachOf(const BlockPlacement& block, const glm::quat& rotation)
{
    const glm::mat3 axes = glm::mat3_cast(rotation);
    const glm::vec3 half = block.size * 0.5f;
    BlockReach reach;
    reach.centre = glm::vec2(block.position);
    float downReach = 0.0f;
    for (int i = 0; i < 3; ++i) {
        const glm::vec3 axis = axes[i] * half[i];
        reach.halfExtent += glm::abs(glm::vec2(axis));
        downReach += std::abs(axis.z);
    }
    reach.lowest = block.position.z - downReach;
    // The vertical line leaves the box at the first face it reaches.
    const glm::vec3 up = glm::transpose(axes) * glm::vec3(0.0f, 0.0f, 1.0f);
    float along = std::numeric_limits<float>::max();
    for (int i = 0; i < 3; ++i) {
        if (std::abs(up[i]) > 1e-6f) along = std::min(along, half[i] / std::abs(up[i]));
    }
    reach.columnLow = block.position.z - along;
    reach.columnHigh = block.position.z + along;
    return reach;
}

Course chooseCourse(const std::vector<BlockPlacement>& blocks, const glm::quat& rotation, glm::vec2 start,
                    std::size_t checkpointCount)
{
    CoursePicker picker(blocks, rotation, start);
    Course course;
    while (course.checkpoints.size() < checkpointCount) {
        const std::optional<std::size_t> next = picker.next();
        if (!next) return course;
        course.checkpoints.push_back(*next);
    }
    if (const std::optional<std::size_t> finish = picker.next()) {
        course.finish = *finish;
        course.hasFinish = true;
    }
    return course;
}

} // namespace Game

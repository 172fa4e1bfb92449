#include "Game/Level/CourseChoice.h"

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
// The capsule's radius (0.305 m) and room for drifting off the way.
constexpr float clearance = 0.305f + 0.4f;
// The floor the ways are found on: square cells over the level and its edges.
constexpr float cellSide = 0.5f;
constexpr float gridExtent = 50.0f;
constexpr int gridCells = static_cast<int>(2.0f * gridExtent / cellSide);
constexpr int noBlock = -1;

bool isTarget(const BlockReach& block)
{
    return block.columnLow <= bodyLow && block.columnHigh >= bodyHigh;
}

bool isObstacle(const BlockReach& block)
{
    return block.lowest < obstacleHeight;
}

bool covers(const BlockReach& block, glm::vec2 point, float margin)
{
    const glm::vec2 offset = glm::abs(point - block.centre);
    return offset.x <= block.halfExtent.x + margin && offset.y <= block.halfExtent.y + margin;
}

// The floor as cells a player can stand in, and for each free cell the first
// target block it is next to.
class FloorGrid {
public:
    explicit FloorGrid(const std::vector<BlockReach>& reaches)
        : blocked(gridCells * gridCells, false), nextTo(gridCells * gridCells, noBlock)
    {
        for (int cell = 0; cell < gridCells * gridCells; ++cell) {
            const glm::vec2 point = centre(cell);
            for (std::size_t i = 0; i < reaches.size() && !blocked[cell]; ++i) {
                blocked[cell] = isObstacle(reaches[i]) && covers(reaches[i], point, clearance);
            }
            for (std::size_t i = 0; i < reaches.size() && !blocked[cell] && nextTo[cell] == noBlock; ++i) {
                if (isTarget(reaches[i]) && covers(reaches[i], point, clearance + cellSide)) nextTo[cell] = int(i);
            }
        }
    }

    std::optional<int> cellAt(glm::vec2 point) const
    {
        const glm::ivec2 at = glm::floor((point + gridExtent) / cellSide);
        if (at.x < 0 || at.y < 0 || at.x >= gridCells || at.y >= gridCells) return std::nullopt;
        return at.y * gridCells + at.x;
    }

    glm::vec2 centre(int cell) const
    {
        return glm::vec2(cell % gridCells, cell / gridCells) * cellSide - gridExtent + cellSide * 0.5f;
    }

    // Breadth first from `from` to the nearest free cell next to a target not
    // taken yet: the cells of the way there, the first left out.
    std::optional<std::vector<int>> wayToTarget(int from, const std::vector<bool>& taken) const
    {
        std::vector<int> cameFrom(blocked.size(), noBlock);
        std::vector<int> queue{from};
        cameFrom[from] = from;
        for (std::size_t next = 0; next < queue.size(); ++next) {
            const int cell = queue[next];
            if (nextTo[cell] != noBlock && !taken[nextTo[cell]]) return wayBack(cameFrom, from, cell);
            for (const int neighbour : neighbours(cell)) {
                if (cameFrom[neighbour] != noBlock || blocked[neighbour]) continue;
                cameFrom[neighbour] = cell;
                queue.push_back(neighbour);
            }
        }
        return std::nullopt;
    }

    int targetNextTo(int cell) const { return nextTo[cell]; }
    bool isBlocked(int cell) const { return blocked[cell]; }

private:
    std::vector<int> neighbours(int cell) const
    {
        const int x = cell % gridCells;
        const int y = cell / gridCells;
        std::vector<int> found;
        if (x > 0) found.push_back(cell - 1);
        if (x + 1 < gridCells) found.push_back(cell + 1);
        if (y > 0) found.push_back(cell - gridCells);
        if (y + 1 < gridCells) found.push_back(cell + gridCells);
        return found;
    }

    static std::vector<int> wayBack(const std::vector<int>& cameFrom, int from, int to)
    {
        std::vector<int> way;
        for (int cell = to; cell != from; cell = cameFrom[cell]) way.push_back(cell);
        return {way.rbegin(), way.rend()};
    }

    std::vector<bool> blocked;
    std::vector<int> nextTo;
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
    std::vector<BlockReach> reaches;
    for (const BlockPlacement& block : blocks) reaches.push_back(reachOf(block, rotation));
    const FloorGrid grid(reaches);
    Course course;
    std::optional<int> at = grid.cellAt(start);
    if (!at || grid.isBlocked(*at)) return course;
    std::vector<bool> taken(blocks.size(), false);
    while (course.legs.size() < checkpointCount + 1) {
        const std::optional<std::vector<int>> way = grid.wayToTarget(*at, taken);
        if (!way) break;
        if (!way->empty()) at = way->back();
        const auto target = static_cast<std::size_t>(grid.targetNextTo(*at));
        taken[target] = true;
        course.legs.emplace_back();
        for (const int cell : *way) course.legs.back().push_back(grid.centre(cell));
        if (course.checkpoints.size() < checkpointCount) {
            course.checkpoints.push_back(target);
        } else {
            course.finish = target;
            course.hasFinish = true;
        }
    }
    return course;
}

} // namespace Game

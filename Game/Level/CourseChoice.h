#pragma once

#include "Game/Level/Level.h"

#include <glm/glm.hpp>
#include <glm/gtc/quaternion.hpp>

#include <cstddef>
#include <vector>

namespace Game {

// A course over a level's blocks: indices into its placement list, in the
// order a walk from the start visits them, and that walk: for each block in
// turn the points on the floor to walk through before heading for its centre.
struct Course {
    std::vector<std::size_t> checkpoints;
    std::size_t finish = 0;
    bool hasFinish = false;
    std::vector<std::vector<glm::vec2>> legs;
};

// How much of a block reaches into the walking player's height, seen from
// above: blocks are boxes turned by `rotation`.
struct BlockReach {
    glm::vec2 centre{0.0f};
    glm::vec2 halfExtent{0.0f}; // of the turned box's outline from above
    float lowest = 0.0f;        // lowest point of the box
    float columnLow = 0.0f;     // the vertical line through its centre
    float columnHigh = 0.0f;    // crosses the box between these heights
};

BlockReach reachOf(const BlockPlacement& block, const glm::quat& rotation);

// Picks `checkpointCount` checkpoints and then the finish among the blocks a
// player walking on the floor from `start` touches by heading for their
// centre: each stands in the way at walking height at its centre, and a way
// there on a grid of the floor keeps the player clear of every block low
// enough to stop it. Nearest by that way first, so the same level always gets
// the same course; a level with too few such blocks gets a shorter one.
Course chooseCourse(const std::vector<BlockPlacement>& blocks, const glm::quat& rotation, glm::vec2 start,
                    std::size_t checkpointCount = 3);

} // namespace Game

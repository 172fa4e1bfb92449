#pragma once

#include "Game/Level/LevelFile.h"

#include <glm/glm.hpp>

#include <cstddef>
#include <string>
#include <vector>

namespace Game {

// Where a run starts: standing on the middle of the start block's top face
// (its face that looks most upwards), or at the player's spawn point when
// the level has no start. A run always starts facing +X.
glm::vec3 raceStartPosition(const std::vector<BlockPose>& level);

std::size_t checkpointCountOf(const std::vector<BlockPose>& level);
bool hasFinish(const std::vector<BlockPose>& level);

// The level's name for records and ghosts: levelHash of its formatted text,
// so the generated level and a loaded one are named alike.
std::string raceLevelHash(const std::vector<BlockPose>& level);

} // namespace Game

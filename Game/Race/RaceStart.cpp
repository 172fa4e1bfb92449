#include "Game/Race/RaceStart.h"

#include "Game/Physics/CharacterControllerComponent.h"
#include "Game/Race/RecordsFile.h"

#include <algorithm>
#include <cmath>

namespace Game {

namespace {

// A little above the face, so the first step starts clear of it and lands.
constexpr float landingGap = 0.05f;

glm::vec3 topFaceCentre(const BlockPose& block)
{
    const glm::mat3 axes = glm::mat3_cast(block.rotation);
    int up = 0;
    for (int axis = 1; axis < 3; ++axis) {
        if (std::abs(axes[axis].z) > std::abs(axes[up].z)) up = axis;
    }
    const float side = axes[up].z < 0.0f ? -1.0f : 1.0f;
    return block.position + axes[up] * (side * block.size[up] * 0.5f);
}

std::size_t countOf(const std::vector<BlockPose>& level, BlockKind kind)
{
    return std::size_t(std::count_if(level.begin(), level.end(), [&](const BlockPose& b) { return b.kind == kind; }));
}

} // namespace

glm::vec3 raceStartPosition(const std::vector<BlockPose>& level)
{
    using Character = CharacterControllerComponent;
    for (const BlockPose& block : level) {
        if (block.kind == BlockKind::start) {
            return topFaceCentre(block) + glm::vec3(0.0f, 0.0f, Character::standingHeight + landingGap);
        }
    }
    return {Character::spawnX, Character::spawnY, Character::spawnZ};
}

std::size_t checkpointCountOf(const std::vector<BlockPose>& level)
{
    return countOf(level, BlockKind::checkpoint);
}

bool hasFinish(const std::vector<BlockPose>& level)
{
    return countOf(level, BlockKind::finish) > 0;
}

std::string raceLevelHash(const std::vector<BlockPose>& level)
{
    return levelHash(formatLevel(level));
}

} // namespace Game

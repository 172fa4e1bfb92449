#include "Game/Level/BlockKind.h"

#include <cmath>

namespace Game {

namespace {

const char* const kindNames[blockKindCount] = {"plain", "start", "checkpoint", "finish"};

constexpr glm::vec4 plainTint{1.0f, 1.0f, 1.0f, 1.0f};
constexpr glm::vec4 startTint{0.35f, 1.0f, 0.35f, 1.0f};
constexpr glm::vec4 checkpointTint{1.0f, 0.75f, 0.2f, 1.0f};
constexpr glm::vec4 checkDark{0.08f, 0.08f, 0.08f, 1.0f};
constexpr glm::vec4 checkLight{1.0f, 1.0f, 1.0f, 1.0f};
constexpr float checkCellsPerSide = 4.0f;

} // namespace

const char* blockKindName(BlockKind kind)
{
    return kindNames[static_cast<int>(kind)];
}

std::optional<BlockKind> blockKindNamed(const std::string& word)
{
    for (int i = 0; i < blockKindCount; ++i) {
        if (word == kindNames[i]) return static_cast<BlockKind>(i);
    }
    return std::nullopt;
}

BlockKind nextBlockKind(BlockKind kind)
{
    return static_cast<BlockKind>((static_cast<int>(kind) + 1) % blockKindCount);
}

glm::vec4 blockKindTint(BlockKind kind)
{
    switch (kind) {
    case BlockKind::start: return startTint;
    case BlockKind::checkpoint: return checkpointTint;
    case BlockKind::finish: return checkLight;
    case BlockKind::plain: break;
    }
    return plainTint;
}

glm::vec4 checkeredTint(const glm::vec3& unitBoxPoint)
{
    const glm::vec3 cell = glm::floor((unitBoxPoint + 0.5f) * checkCellsPerSide);
    const int parity = static_cast<int>(cell.x + cell.y + cell.z) & 1;
    return parity != 0 ? checkDark : checkLight;
}

} // namespace Game

#include "Game/Level/BlockKind.h"

namespace Game {

namespace {

const char* const kindNames[blockKindCount] = {"plain", "start", "checkpoint", "finish"};

constexpr glm::vec4 plainTint{1.0f, 1.0f, 1.0f, 1.0f};
constexpr glm::vec4 startTint{0.35f, 1.0f, 0.35f, 1.0f};
constexpr glm::vec4 checkpointTint{1.0f, 0.75f, 0.2f, 1.0f};
constexpr glm::vec4 finishTint{1.0f, 1.0f, 1.0f, 0.0f};

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
    case BlockKind::finish: return finishTint;
    case BlockKind::plain: break;
    }
    return plainTint;
}

} // namespace Game

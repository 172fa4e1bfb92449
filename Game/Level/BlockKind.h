#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include <glm/glm.hpp>

namespace Game {

// What a block is for on a race course. Plain blocks are scenery; a level
// has at most one start.
enum class BlockKind : uint8_t { plain, start, checkpoint, finish };

inline constexpr int blockKindCount = 4;

// The word the level file stores ("plain", "start", "checkpoint", "finish").
const char* blockKindName(BlockKind kind);

// The kind a word names, or nothing for any other word.
std::optional<BlockKind> blockKindNamed(const std::string& word);

// The editor's cycle: plain, start, checkpoint, finish, plain again.
BlockKind nextBlockKind(BlockKind kind);

// The vertex colour of a block of this kind in the merged level model,
// multiplied into its pattern. The finish's is white with alpha 0, which the
// level's shader draws as a black and white check.
glm::vec4 blockKindTint(BlockKind kind);

} // namespace Game

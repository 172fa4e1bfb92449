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

// The colour a block of this kind is drawn in, multiplied into its texture;
// the finish gets its check pattern from checkeredTint.
glm::vec4 blockKindTint(BlockKind kind);

// The finish's black and white check: the colour of the cell whose centre is
// the given point of the block's unit box (-0.5 to 0.5 per axis), on a board
// of 4 x 4 cells per face where neighbouring cells differ.
glm::vec4 checkeredTint(const glm::vec3& unitBoxPoint);

} // namespace Game

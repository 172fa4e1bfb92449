#pragma once

#include "Game/Level/BlockKind.h"

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

namespace Game {

// The kinds one press of the kind key gives: every selected block (by its
// place in the level) moves one step along plain, start, checkpoint, finish.
// A level keeps at most one start: the first selected block (in the order
// given) that becomes the
// start takes it from any other block, which turns plain; any further
// one skips to checkpoint. Returns the changed places with their new kinds, in
// level order.
std::vector<std::pair<std::size_t, BlockKind>> cycledKinds(const std::vector<BlockKind>& level,
                                                           const std::vector<std::size_t>& selected);

// "1 start, 4 checkpoints, 1 finish": how many blocks have each course kind.
std::string courseCountsText(const std::vector<BlockKind>& level);

} // namespace Game

#include "Game/Editor/KindCycle.h"

#include <algorithm>
#include <map>

namespace Game {

namespace {

std::string counted(std::size_t count, const char* one, const char* many)
{
    return std::to_string(count) + " " + (count == 1 ? one : many);
}

} // namespace

std::vector<std::pair<std::size_t, BlockKind>> cycledKinds(const std::vector<BlockKind>& level,
                                                           const std::vector<std::size_t>& selected)
{
    std::map<std::size_t, BlockKind> changed;
    bool startTaken = false;
    for (const std::size_t place : selected) {
        BlockKind next = nextBlockKind(level[place]);
        if (next == BlockKind::start && startTaken) next = nextBlockKind(next);
        startTaken = startTaken || next == BlockKind::start;
        changed[place] = next;
    }
    for (std::size_t place = 0; startTaken && place < level.size(); ++place) {
        if (level[place] == BlockKind::start && changed.count(place) == 0) changed[place] = BlockKind::plain;
    }
    return {changed.begin(), changed.end()};
}

std::string courseCountsText(const std::vector<BlockKind>& level)
{
    const auto count = [&](BlockKind kind) { return std::size_t(std::count(level.begin(), level.end(), kind)); };
    return counted(count(BlockKind::start), "start", "starts") + ", " +
           counted(count(BlockKind::checkpoint), "checkpoint", "checkpoints") + ", " +
           counted(count(BlockKind::finish), "finish", "finishes");
}

} // namespace Game

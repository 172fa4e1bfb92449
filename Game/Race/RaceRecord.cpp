#include "Game/Race/RaceRecord.h"

namespace Game {

bool beatsRecord(const RaceRecord& run, const std::optional<RaceRecord>& best)
{
    return !best || run.steps < best->steps;
}

SplitComparison compareSplit(std::size_t index, uint32_t steps, const std::optional<RaceRecord>& best)
{
    SplitComparison split;
    split.steps = steps;
    split.hasBest = best && index < best->splits.size();
    if (split.hasBest) {
        split.difference = int64_t{steps} - int64_t{best->splits[index]};
    }
    return split;
}

} // namespace Game

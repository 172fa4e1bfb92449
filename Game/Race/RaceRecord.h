#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace Game {

// A finished run: its time and the time at each checkpoint, in the order
// the checkpoints were reached, all in update steps from the start.
struct RaceRecord {
    uint32_t steps = 0;
    std::vector<uint32_t> splits;

    bool operator==(const RaceRecord& other) const { return steps == other.steps && splits == other.splits; }
};

// A run beats the best one when there is none or it is strictly faster.
bool beatsRecord(const RaceRecord& run, const std::optional<RaceRecord>& best);

// A split of the current run against the same split of the best run.
struct SplitComparison {
    uint32_t steps = 0;
    bool hasBest = false;     // the best run holds this split
    int64_t difference = 0;   // steps, negative when faster
    bool faster() const { return difference < 0; }
};

// Split `index` (0 for the first checkpoint) taken at `steps`.
SplitComparison compareSplit(std::size_t index, uint32_t steps, const std::optional<RaceRecord>& best);

} // namespace Game

#pragma once

#include "Game/Race/GhostFile.h"

#include <cstdint>
#include <vector>

namespace Game {

// The ghost of a run: recorded one sample per counted step while the run is
// on, played back in step with the timer.
class GhostTrack {
public:
    // Room for a run of this many steps, so recording does not allocate.
    static constexpr uint32_t reservedSteps = 60 * 100;

    GhostTrack() { samples.reserve(reservedSteps); }
    explicit GhostTrack(std::vector<GhostSample> recorded) : samples(std::move(recorded)) {}

    // Up to maxGhostSamples are kept; a longer run's ghost ends there.
    void record(const GhostSample& sample)
    {
        if (samples.size() < maxGhostSamples) samples.push_back(sample);
    }
    void clear() { samples.clear(); }

    bool empty() const { return samples.empty(); }
    const std::vector<GhostSample>& recorded() const { return samples; }

    // The sample of the given step; past the end the ghost stays where its
    // run ended. Precondition: not empty.
    const GhostSample& at(uint32_t step) const;

private:
    std::vector<GhostSample> samples;
};

} // namespace Game

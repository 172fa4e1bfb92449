#include "Game/Race/GhostTrack.h"

#include "Engine/Base/Assert.h"

#include <algorithm>

namespace Game {

const GhostSample& GhostTrack::at(uint32_t step) const
{
    GAME_ASSERT_MSG(!samples.empty(), "a ghost without samples has no position");
    return samples[std::min<std::size_t>(step, samples.size() - 1)];
}

} // namespace Game

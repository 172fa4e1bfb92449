#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "Game/Level/ColorIdPool.h"
#include "Game/Level/Model3Dmap.h"

namespace Game {

// The level: its blocks in creation order and the model all of them are
// merged into, rebuilt on request with a delay of one update step.
struct GameMap {
    static constexpr int32_t noRebuild = 0;
    static constexpr int32_t rebuildRequested = 1;
    static constexpr int32_t rebuildNextStep = 2;

    std::vector<uint32_t> blocks;
    // Absent until the first rebuild, and while there is nothing to merge.
    std::unique_ptr<Model3Dmap> mergedModel;
    int32_t rebuildCountdown = noRebuild;
    // The colour ids the merged model holds, in the order they were taken;
    // a rebuild hands them back first, so edits never run the pool dry.
    std::vector<ColorId> faceIds;
};

} // namespace Game

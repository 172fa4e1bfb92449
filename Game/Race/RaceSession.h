#pragma once

#include "Game/Level/BlockKind.h"
#include "Game/Race/GhostTrack.h"
#include "Game/Race/RaceRun.h"
#include "Game/Race/RecordsFile.h"

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace Game {

// What one update step brings to the race, gathered by the game after its
// physics step.
struct RaceStepInput {
    bool movement = false;         // a walk, jump or rope input this step
    bool restart = false;          // R pressed
    bool backToCheckpoint = false; // Q pressed
    bool toggleGhost = false;      // G pressed
    bool paused = false;
    PlayerPose pose;               // where the player is after the step
    float yaw = 0.0f;              // degrees
    // The blocks touching the player this step, with their kinds.
    std::vector<std::pair<uint32_t, BlockKind>> touching;
};

// Where the player must be put: the race moved it back. The rope is let go.
using PlayerPlacement = std::optional<PlayerPose>;

// The race on one level for the whole time it is played: the run, the best
// run from the records file, the ghost of the best run from its file, and
// the recording of the current run, written when it beats the record. Logs
// "RACE FINISH m:ss.cc" (with " NEW RECORD" when beaten) and "RACE RESTART".
class RaceSession {
public:
    struct Files {
        std::string records = recordsFilePath;
        std::string ghosts = ghostFolder;
        // A play-test from the editor races without writing either.
        bool keep = true;
    };

    // `start` is where a run starts: on the start block, or the spawn point.
    RaceSession(std::string levelHash, std::size_t checkpointCount, PlayerPose start, Files files);

    // Reads the best run and its ghost; a damaged file is reported on one
    // line each and the race goes on without it.
    void load();

    PlayerPlacement step(const RaceStepInput& input);

    const RaceRun& run() const { return current; }
    bool ghostShown() const { return showGhost && !ghost.empty(); }
    // Where the ghost is at the current time. Precondition: ghostShown().
    const GhostSample& ghostNow() const;
    const std::string& levelHash() const { return hash; }

private:
    void touch(const RaceStepInput& input);
    void keepNewRecord();

    std::string hash;
    PlayerPose start;
    Files files;
    RecordBook records;
    RaceRun current;
    GhostTrack ghost{std::vector<GhostSample>{}};
    GhostTrack recording;
    bool showGhost = true;
    bool reported = false; // the finish has been logged
};

} // namespace Game

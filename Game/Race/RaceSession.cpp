#include "Game/Race/RaceSession.h"

#include "Engine/Base/DataFileError.h"
#include "Engine/Base/Log.h"

#include <algorithm>
#include <filesystem>

namespace Game {

RaceSession::RaceSession(std::string levelHash, std::size_t checkpointCount, PlayerPose start, Files files)
    : hash(std::move(levelHash)), start(start), files(std::move(files)), records(this->files.records),
      current(checkpointCount, std::nullopt)
{
}

void RaceSession::load()
{
    const std::string refused = records.load();
    if (!refused.empty()) Engine::logError("RECORDS FILE " + refused + "; racing without best times");
    current = RaceRun(current.checkpointCount(), records.best(hash));
    const std::string path = ghostFilePath(files.ghosts, hash);
    std::error_code error;
    if (!std::filesystem::exists(path, error)) return;
    try {
        ghost = GhostTrack(readGhostFile(path));
    } catch (const Engine::DataFileError& damaged) {
        Engine::logError(std::string("GHOST FILE ") + damaged.what() + "; racing without a ghost");
    }
}

PlayerPlacement RaceSession::step(const RaceStepInput& input)
{
    if (input.toggleGhost) showGhost = !showGhost;
    if (input.restart) {
        Engine::log("RACE RESTART");
        current.restart();
        recording.clear();
        reported = false;
        return PlayerPose{start.position, glm::vec3(0.0f)};
    }
    if (input.paused) return std::nullopt;
    if (input.movement) current.movementInput();
    const bool running = current.phase() == RacePhase::running;
    current.step(false);
    if (running) recording.record({input.pose.position, input.yaw});
    touch(input);
    keepNewRecord();
    // Back to the checkpoint: the timer has counted this step and runs on.
    return input.backToCheckpoint ? current.checkpointPose() : std::nullopt;
}

const GhostSample& RaceSession::ghostNow() const
{
    return ghost.at(std::max<uint32_t>(current.elapsedSteps(), 1) - 1);
}

void RaceSession::touch(const RaceStepInput& input)
{
    for (const auto& [block, kind] : input.touching) {
        if (kind == BlockKind::checkpoint) current.touchCheckpoint(block, input.pose);
    }
    for (const auto& [block, kind] : input.touching) {
        if (kind == BlockKind::finish) current.touchFinish();
    }
}

// A beaten record is written at once, with its ghost; the ghost then shows
// from the next run on.
void RaceSession::keepNewRecord()
{
    if (current.phase() != RacePhase::finished || reported) return;
    reported = true;
    const std::optional<RaceRecord> record = current.takeNewRecord();
    Engine::log("RACE FINISH " + formatRaceTime(current.elapsedSteps()) + (record ? " NEW RECORD" : ""));
    if (!record || !files.keep) return;
    const Engine::Status saved = records.save(hash, *record);
    if (!saved.ok()) Engine::logError("RECORDS SAVE FAILED: " + saved.message());
    std::error_code error;
    std::filesystem::create_directories(files.ghosts, error);
    const std::string path = ghostFilePath(files.ghosts, hash);
    const Engine::Status written = writeGhostFile(path, recording.recorded());
    if (!written.ok()) Engine::logError("GHOST SAVE FAILED: " + path + ": " + written.message());
    ghost = GhostTrack(recording.recorded());
}

} // namespace Game

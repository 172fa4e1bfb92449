#pragma once

#include "Game/Race/RaceRecord.h"
#include "Game/Race/RaceTimer.h"

#include <glm/glm.hpp>

#include <cstddef>
#include <cstdint>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace Game {

// Where the player was and how it moved: what going back to a checkpoint
// restores. The velocity's z is the vertical speed.
struct PlayerPose {
    glm::vec3 position{0.0f};
    glm::vec3 velocity{0.0f};
};

enum class RacePhase { waiting, running, finished };

// One line of the race's read-out; the tone picks its colour.
struct RaceHudLine {
    enum class Tone { normal, faster, slower, record };
    std::string text;
    Tone tone = Tone::normal;

    bool operator==(const RaceHudLine& other) const { return text == other.text && tone == other.tone; }
};

// One run over a course, as plain rules driven by events: movement input
// starts the timer, touches count checkpoints (each block once) and end the
// run at the finish once every checkpoint is reached; restart clears it all.
// Touches before the first movement input are not part of a run.
class RaceRun {
public:
    // How long a split or a hint stays on the read-out: 2 s of steps.
    static constexpr uint32_t noticeSteps = 2 * raceStepsPerSecond;

    RaceRun(std::size_t checkpointCount, std::optional<RaceRecord> best);

    void movementInput();
    // One update step; a paused step counts nothing.
    void step(bool paused);
    // `pose` is kept for going back to this checkpoint.
    void touchCheckpoint(uint32_t block, const PlayerPose& pose);
    void touchFinish();
    // Back to waiting at the start, nothing reached, the best kept.
    void restart();

    RacePhase phase() const { return currentPhase; }
    uint32_t elapsedSteps() const { return timer.elapsedSteps(); }
    std::size_t checkpointsReached() const { return splits.size(); }
    std::size_t checkpointCount() const { return checkpointTotal; }
    const std::optional<RaceRecord>& bestRun() const { return best; }
    // The finished run beat the best one.
    bool beatBest() const { return beatBestRun; }
    // The pose at the checkpoint reached last, if any in this run.
    const std::optional<PlayerPose>& checkpointPose() const { return lastCheckpoint; }
    // The run just finished when it beat the best one (which it now is);
    // empty otherwise. Taken once, by whoever saves records.
    std::optional<RaceRecord> takeNewRecord();

    // Timer, checkpoints, the split or hint of the last 2 s, and after the
    // finish the time, the best and "NEW RECORD".
    std::vector<RaceHudLine> hudLines() const;

private:
    void notice(RaceHudLine line);
    RaceHudLine splitLine() const;

    std::size_t checkpointTotal;
    std::optional<RaceRecord> best;
    RaceTimer timer;
    RacePhase currentPhase = RacePhase::waiting;
    std::set<uint32_t> reachedBlocks;
    std::vector<uint32_t> splits;
    std::optional<PlayerPose> lastCheckpoint;
    std::optional<RaceHudLine> shownNotice;
    uint32_t noticeStepsLeft = 0;
    bool beatBestRun = false;
    std::optional<RaceRecord> unsavedRecord;
};

} // namespace Game

#include "Game/Race/RaceRun.h"

#include <utility>

namespace Game {

RaceRun::RaceRun(std::size_t checkpointCount, std::optional<RaceRecord> best)
    : checkpointTotal(checkpointCount), best(std::move(best))
{
}

void RaceRun::movementInput()
{
    if (currentPhase != RacePhase::waiting) return;
    currentPhase = RacePhase::running;
    timer.start();
}

void RaceRun::step(bool paused)
{
    if (paused) return;
    timer.step(false);
    if (noticeStepsLeft > 0 && --noticeStepsLeft == 0) shownNotice.reset();
}

void RaceRun::touchCheckpoint(uint32_t block, const PlayerPose& pose)
{
    if (currentPhase != RacePhase::running || !reachedBlocks.insert(block).second) return;
    splits.push_back(timer.elapsedSteps());
    lastCheckpoint = pose;
    notice(splitLine());
}

void RaceRun::touchFinish()
{
    if (currentPhase != RacePhase::running) return;
    const std::size_t left = checkpointTotal - splits.size();
    if (left > 0) {
        notice({std::to_string(left) + " checkpoints left"});
        return;
    }
    timer.stop();
    currentPhase = RacePhase::finished;
    shownNotice.reset();
    const RaceRecord run{timer.elapsedSteps(), splits};
    beatBestRun = beatsRecord(run, best);
    if (beatBestRun) {
        best = run;
        unsavedRecord = run;
    }
}

void RaceRun::restart()
{
    RaceRun fresh(checkpointTotal, std::move(best));
    *this = std::move(fresh);
}

std::optional<RaceRecord> RaceRun::takeNewRecord()
{
    return std::exchange(unsavedRecord, std::nullopt);
}

std::vector<RaceHudLine> RaceRun::hudLines() const
{
    std::vector<RaceHudLine> lines{{formatRaceTime(timer.elapsedSteps())}};
    lines.push_back({"CP " + std::to_string(splits.size()) + "/" + std::to_string(checkpointTotal)});
    if (shownNotice) lines.push_back(*shownNotice);
    if (currentPhase == RacePhase::finished) {
        lines.push_back({"Time " + formatRaceTime(timer.elapsedSteps())});
        lines.push_back({"Best " + formatRaceTime(best->steps)});
        if (beatBestRun) lines.push_back({"NEW RECORD", RaceHudLine::Tone::record});
    }
    return lines;
}

void RaceRun::notice(RaceHudLine line)
{
    shownNotice = std::move(line);
    noticeStepsLeft = noticeSteps;
}

RaceHudLine RaceRun::splitLine() const
{
    const std::size_t index = splits.size() - 1;
    const SplitComparison split = compareSplit(index, splits.back(), best);
    RaceHudLine line{"Split " + std::to_string(index + 1) + " " + formatRaceTime(split.steps)};
    if (split.hasBest) {
        line.text += " " + formatSplitDifference(split.difference);
        if (split.difference != 0) line.tone = split.faster() ? RaceHudLine::Tone::faster : RaceHudLine::Tone::slower;
    }
    return line;
}

} // namespace Game

#pragma once

#include <cstdint>
#include <string>

namespace Game {

// Race times are counted in fixed update steps of 10 ms, never read from a
// clock, so a run replays to the same time on any machine.
inline constexpr uint32_t raceStepsPerSecond = 100;

// Counts update steps while running. It starts once, at the run's first
// movement input; a pause holds it, the finish stops it, a restart clears it.
class RaceTimer {
public:
    void start() { running = true; }
    void stop() { running = false; }
    void reset() { *this = RaceTimer(); }
    // One update step: counted unless stopped or paused.
    void step(bool paused)
    {
        if (running && !paused) ++steps;
    }

    bool isRunning() const { return running; }
    uint32_t elapsedSteps() const { return steps; }

private:
    bool running = false;
    uint32_t steps = 0;
};

// "m:ss.cc": minutes without padding, seconds and hundredths with two digits.
std::string formatRaceTime(uint32_t steps);

// Seconds with two decimals, as the records file stores them ("1.27").
std::string formatRaceSeconds(uint32_t steps);

// A split's difference to the best run's: "+0.25" slower, "-1.03" faster,
// "+0.00" the same.
std::string formatSplitDifference(int64_t stepsDifference);

} // namespace Game

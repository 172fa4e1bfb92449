#include "Game/Race/RaceTimer.h"

#include <cstdio>
#include <cstdlib>

namespace Game {

namespace {

constexpr uint32_t secondsPerMinute = 60;

std::string secondsWithHundredths(uint64_t steps)
{
    char text[32];
    std::snprintf(text, sizeof text, "%llu.%02u", static_cast<unsigned long long>(steps / raceStepsPerSecond),
                  static_cast<unsigned>(steps % raceStepsPerSecond));
    return text;
}

} // namespace

std::string formatRaceTime(uint32_t steps)
{
    const uint32_t seconds = steps / raceStepsPerSecond;
    char text[32];
    std::snprintf(text, sizeof text, "%u:%02u.%02u", seconds / secondsPerMinute, seconds % secondsPerMinute,
                  steps % raceStepsPerSecond);
    return text;
}

std::string formatRaceSeconds(uint32_t steps)
{
    return secondsWithHundredths(steps);
}

std::string formatSplitDifference(int64_t stepsDifference)
{
    const char* sign = stepsDifference < 0 ? "-" : "+";
    return sign + secondsWithHundredths(static_cast<uint64_t>(std::llabs(stepsDifference)));
}

} // namespace Game

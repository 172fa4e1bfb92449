#include "Game/Rendering/PassShares.h"

#include <algorithm>
#include <cmath>

namespace Game {

void PassShares::add(double when, const std::string& pass, double milliseconds)
{
    samples.push_back(Sample{when, indexOf(pass), milliseconds});
}

std::vector<PassShare> PassShares::shares(double now)
{
    while (!samples.empty() && samples.front().when <= now - spanSeconds) samples.pop_front();
    std::vector<double> totals(passes.size(), 0.0);
    std::vector<bool> seen(passes.size(), false);
    double total = 0.0;
    for (const Sample& sample : samples) {
        totals[sample.pass] += sample.milliseconds;
        seen[sample.pass] = true;
        total += sample.milliseconds;
    }
    std::vector<PassShare> result;
    for (std::size_t i = 0; i < passes.size(); ++i) {
        if (seen[i]) result.push_back(PassShare{passes[i], total > 0.0 ? totals[i] / total : 0.0});
    }
    return result;
}

std::size_t PassShares::indexOf(const std::string& pass)
{
    const auto found = std::find(passes.begin(), passes.end(), pass);
    if (found != passes.end()) return static_cast<std::size_t>(found - passes.begin());
    passes.push_back(pass);
    return passes.size() - 1;
}

std::string passSharesText(const std::string& heading, const std::vector<PassShare>& shares)
{
    std::string text = heading;
    for (const PassShare& share : shares) {
        const long percent = std::lround(share.share * 100.0);
        if (percent >= 1) text += "\n" + share.pass + " " + std::to_string(percent) + "%";
    }
    return text;
}

} // namespace Game

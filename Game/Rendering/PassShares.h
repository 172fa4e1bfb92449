#pragma once

#include <cstddef>
#include <deque>
#include <string>
#include <vector>

namespace Game {

struct PassShare {
    std::string pass;
    double share = 0.0; // 0 .. 1
};

// What each pass of the frame cost during the last second, as its share of
// all the passes' time together.
class PassShares {
public:
    static constexpr double spanSeconds = 1.0;

    // A pass's time, measured in the frame that began `when` seconds into
    // the run.
    void add(double when, const std::string& pass, double milliseconds);
    // The passes measured in the second up to `now`, in the order they were
    // first seen; older times are forgotten.
    std::vector<PassShare> shares(double now);

private:
    struct Sample {
        double when;
        std::size_t pass;
        double milliseconds;
    };

    std::size_t indexOf(const std::string& pass);

    std::deque<Sample> samples;
    std::vector<std::string> passes;
};

// "<heading>" and then a line "<pass> <percent>%" for each pass whose share
// rounds to at least 1 %.
std::string passSharesText(const std::string& heading, const std::vector<PassShare>& shares);

} // namespace Game

#include "Game/Editor/SnapSteps.h"

#include <algorithm>
#include <iterator>

namespace Game {

namespace {

constexpr int angleCount = static_cast<int>(std::size(SnapSteps::angles));

int angleIndex(float degrees)
{
    const auto found = std::find(std::begin(SnapSteps::angles), std::end(SnapSteps::angles), degrees);
    return found == std::end(SnapSteps::angles) ? 0 : static_cast<int>(found - std::begin(SnapSteps::angles));
}

} // namespace

void SnapSteps::finerLength()
{
    length = std::max(smallestLength, length * 0.5f);
}

void SnapSteps::coarserLength()
{
    length = std::min(largestLength, length * 2.0f);
}

void SnapSteps::previousAngle()
{
    angleDegrees = angles[(angleIndex(angleDegrees) + angleCount - 1) % angleCount];
}

void SnapSteps::nextAngle()
{
    angleDegrees = angles[(angleIndex(angleDegrees) + 1) % angleCount];
}

} // namespace Game

#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include <glm/glm.hpp>
#include <glm/gtc/quaternion.hpp>

namespace Engine::GFX {

// The keys of one animated node. The three key lists hold keyCount keys each
// but carry their own times (in ticks).
struct AnimationChannel {
    std::string nodeName;
    uint32_t keyCount = 0;
    std::vector<glm::vec3> positions;
    std::vector<glm::quat> rotations;
    std::vector<glm::vec3> scales;
    std::vector<float> positionTimes;
    std::vector<float> rotationTimes;
    std::vector<float> scaleTimes;

    bool keyListsHoldKeyCount() const
    {
        return positions.size() == keyCount && rotations.size() == keyCount && scales.size() == keyCount &&
               positionTimes.size() == keyCount && rotationTimes.size() == keyCount && scaleTimes.size() == keyCount;
    }
};

// One animation clip; duration and key times are in ticks.
struct Animation {
    float ticksPerSecond = 1.0f;
    float duration = 0.0f;
    std::string name;
    std::vector<AnimationChannel> channels;
};

} // namespace Engine::GFX

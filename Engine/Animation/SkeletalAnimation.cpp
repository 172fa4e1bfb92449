#include "Engine/Animation/SkeletalAnimation.h"

#include <algorithm>
#include <utility>

#include <glm/gtc/matrix_transform.hpp>

#include "Engine/Animation/KeyInterpolation.h"
#include "Engine/Base/Assert.h"

namespace Engine::GFX {

namespace {

template <typename Value, typename Interpolate>
Value sampleKeys(const std::vector<Value>& values, const std::vector<float>& times, float ticks,
                 Interpolate interpolate)
{
    if (values.size() == 1) {
        return values[0];
    }
    const uint32_t i = KeyInterpolation::findKeyIndex(times, ticks);
    const float factor = KeyInterpolation::interpolationFactor(times, i, ticks);
    return interpolate(values[i], values[i + 1], factor);
}

} // namespace

SkeletalAnimation::SkeletalAnimation(std::vector<PoseNode> fileNodes) : nodes(std::move(fileNodes))
{
    GAME_ASSERT(nodes.size() <= maxNodeCount);
    transforms.assign(nodes.size(), glm::mat4(1.0f));
    for (uint32_t i = 0; i < nodes.size(); ++i) {
        nodes[i].children.clear();
        nodeMapping.emplace(nodes[i].name, i);
    }
    for (uint32_t i = 0; i < nodes.size(); ++i) {
        if (nodes[i].hasParent) {
            GAME_ASSERT(nodes[i].parentIndex < nodes.size());
            nodes[nodes[i].parentIndex].children.push_back(static_cast<int8_t>(i));
        }
    }
}

void SkeletalAnimation::sample(const Animation& animation, float seconds)
{
    // Clamped to [0, duration]; written out so a negative duration gives 0 instead of undefined behaviour.
    const float ticks = std::max(0.0f, std::min(animation.ticksPerSecond * seconds, animation.duration));
    resetToRest();
    for (const AnimationChannel& channel : animation.channels) {
        sampleChannel(channel, ticks);
    }
}

void SkeletalAnimation::resetToRest()
{
    for (std::size_t i = 0; i < nodes.size(); ++i) {
        transforms[i] = nodes[i].transform;
    }
}

void SkeletalAnimation::sampleChannel(const AnimationChannel& channel, float ticks)
{
    const auto node = nodeMapping.find(channel.nodeName);
    // A channel for a node this skeleton lacks, or one without keys, has
    // nothing to say about any node of this skeleton.
    if (node == nodeMapping.end() || channel.keyCount == 0) {
        return;
    }
    GAME_ASSERT(channel.keyListsHoldKeyCount());
    const glm::vec3 position = sampleKeys(channel.positions, channel.positionTimes, ticks, KeyInterpolation::interpolate);
    const glm::quat rotation =
        sampleKeys(channel.rotations, channel.rotationTimes, ticks, KeyInterpolation::slerpShorterArc);
    const glm::vec3 scale = sampleKeys(channel.scales, channel.scaleTimes, ticks, KeyInterpolation::interpolate);

    const glm::mat4 identity(1.0f);
    transforms[node->second] = glm::translate(identity, position) * glm::mat4_cast(rotation) * glm::scale(identity, scale);
}

void SkeletalAnimation::propagate(uint32_t index, const glm::mat4& parent)
{
    GAME_ASSERT(index < nodes.size());
    transforms[index] = parent * transforms[index];
    for (const int8_t child : nodes[index].children) {
        propagate(static_cast<uint32_t>(child), transforms[index]);
    }
}

glm::mat4 SkeletalAnimation::rootParent() const
{
    return nodes.empty() ? glm::mat4(1.0f) : glm::inverse(nodes[0].transform);
}

void SkeletalAnimation::animate(const Animation& animation, float seconds)
{
    sample(animation, seconds);
    if (!nodes.empty()) {
        propagate(0, rootParent());
    }
}

void SkeletalAnimation::writeBoneMatrix(const std::string& nodeName, const glm::mat4& offset,
                                        const glm::mat4& globalInverse, glm::mat4& target) const
{
    const auto node = nodeMapping.find(nodeName);
    if (node != nodeMapping.end()) {
        target = globalInverse * transforms[node->second] * offset;
    }
}

glm::mat4& SkeletalAnimation::getNodeTransform(const std::string& nodeName)
{
    GAME_ASSERT(nodeMapping.count(nodeName) > 0);
    return transforms[nodeMapping.find(nodeName)->second];
}

const glm::mat4& SkeletalAnimation::getNodeTransform(const std::string& nodeName) const
{
    GAME_ASSERT(nodeMapping.count(nodeName) > 0);
    return transforms[nodeMapping.find(nodeName)->second];
}

} // namespace Engine::GFX

// Fuzz target for the animation clip reader: an accepted clip must keep the
// reader's guarantees, survive a write and a second read unchanged, and be
// sampled on a skeleton that has its animated nodes.
#include <cmath>
#include <memory>
#include <set>
#include <vector>

#include "Engine/Animation/AnimationFile.h"
#include "Engine/Animation/SkeletalAnimation.h"
#include "tests/fuzz/FuzzChecks.h"
#include "tests/fuzz/FuzzInputFile.h"
#include "tests/fuzz/FuzzTarget.h"

namespace {

using Engine::GFX::Animation;
using Engine::GFX::AnimationChannel;

// Clip phases the game samples at: start, middle, end, and past the end.
constexpr float samplePhases[] = {0.0f, 0.5f, 1.0f, 2.0f};

void checkGuarantees(const Animation& clip)
{
    GAME_ASSERT(std::isfinite(clip.duration) && clip.duration >= 0.0f);
    GAME_ASSERT(std::isfinite(clip.ticksPerSecond) && clip.ticksPerSecond > 0.0f);
    for (const AnimationChannel& channel : clip.channels) {
        GAME_ASSERT(channel.keyListsHoldKeyCount());
    }
}

bool sameChannel(const AnimationChannel& a, const AnimationChannel& b)
{
    return a.nodeName == b.nodeName && a.keyCount == b.keyCount && Fuzz::sameBytes(a.positions, b.positions) &&
           Fuzz::sameBytes(a.rotations, b.rotations) && Fuzz::sameBytes(a.scales, b.scales) &&
           Fuzz::sameBytes(a.positionTimes, b.positionTimes) && Fuzz::sameBytes(a.rotationTimes, b.rotationTimes) &&
           Fuzz::sameBytes(a.scaleTimes, b.scaleTimes);
}

void checkRoundTrip(const Animation& clip)
{
    static Fuzz::InputFile copy("animation-copy");
    Engine::GFX::writeAnimationFile(copy.path(), clip);
    const std::unique_ptr<Animation> again = Engine::GFX::readAnimationFile(copy.path());
    GAME_ASSERT(again->name == clip.name);
    GAME_ASSERT(Fuzz::sameBytes(again->duration, clip.duration));
    GAME_ASSERT(Fuzz::sameBytes(again->ticksPerSecond, clip.ticksPerSecond));
    GAME_ASSERT(again->channels.size() == clip.channels.size());
    for (std::size_t i = 0; i < clip.channels.size(); ++i) {
        GAME_ASSERT(sameChannel(again->channels[i], clip.channels[i]));
    }
}

// A chain of nodes named after the clip's channels (as many as a skeleton
// holds), so sampling reaches every key search and interpolation.
Engine::GFX::SkeletalAnimation skeletonFor(const Animation& clip)
{
    std::vector<Engine::GFX::PoseNode> nodes;
    std::set<std::string> names;
    for (const AnimationChannel& channel : clip.channels) {
        if (nodes.size() == Engine::GFX::SkeletalAnimation::maxNodeCount) {
            break;
        }
        if (names.insert(channel.nodeName).second) {
            Engine::GFX::PoseNode node;
            node.name = channel.nodeName;
            node.hasParent = !nodes.empty();
            node.parentIndex = nodes.empty() ? 0 : static_cast<uint32_t>(nodes.size() - 1);
            nodes.push_back(node);
        }
    }
    return Engine::GFX::SkeletalAnimation(std::move(nodes));
}

void sampleClip(const Animation& clip)
{
    Engine::GFX::SkeletalAnimation skeleton = skeletonFor(clip);
    const float length = clip.duration / clip.ticksPerSecond;
    for (const float phase : samplePhases) {
        skeleton.animate(clip, length * phase);
    }
}

} // namespace

bool Fuzz::consumeInput(const uint8_t* data, std::size_t size)
{
    static InputFile input("animation");
    const std::string& path = input.write(data, size);
    std::unique_ptr<Animation> clip;
    try {
        clip = Engine::GFX::readAnimationFile(path);
    } catch (const Engine::DataFileError& error) {
        checkRejection(error, path);
        return false;
    }
    checkGuarantees(*clip);
    checkRoundTrip(*clip);
    sampleClip(*clip);
    return true;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    Fuzz::consumeInput(data, size);
    return 0;
}

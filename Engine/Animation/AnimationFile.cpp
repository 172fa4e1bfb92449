#include "Engine/Animation/AnimationFile.h"

#include <cmath>
#include <limits>

#include "Engine/Animation/FileFields.h"
#include "Engine/Base/DataFileError.h"

namespace Engine::GFX {

namespace {

constexpr std::size_t identifierLength = 10;
constexpr std::size_t maxChannelCount = std::numeric_limits<uint8_t>::max();
constexpr std::size_t maxKeyCount = std::numeric_limits<uint16_t>::max();
constexpr uint64_t channelRecordMinSize = 1 + 2;
constexpr uint64_t vectorKeySize = 4 * 4;   // x, y, z, time
constexpr uint64_t rotationKeySize = 5 * 4; // w, x, y, z, time
constexpr uint64_t keySetSize = 2 * vectorKeySize + rotationKeySize;

void readVectorKeys(Mesh::BinaryReader& in, uint32_t count, std::vector<glm::vec3>& values,
                    std::vector<float>& times, const char* field)
{
    values.reserve(count);
    times.reserve(count);
    for (uint32_t i = 0; i < count; ++i) {
        const float x = in.readF32(field);
        const float y = in.readF32(field);
        const float z = in.readF32(field);
        values.emplace_back(x, y, z);
        times.push_back(in.readF32(field));
    }
}

void readRotationKeys(Mesh::BinaryReader& in, uint32_t count, AnimationChannel& channel)
{
    channel.rotations.reserve(count);
    channel.rotationTimes.reserve(count);
    for (uint32_t i = 0; i < count; ++i) {
        const float w = in.readF32("rotation keys");
        const float x = in.readF32("rotation keys");
        const float y = in.readF32("rotation keys");
        const float z = in.readF32("rotation keys");
        channel.rotations.emplace_back(w, x, y, z);
        channel.rotationTimes.push_back(in.readF32("rotation keys"));
    }
}

AnimationChannel readChannel(Mesh::BinaryReader& in)
{
    AnimationChannel channel;
    channel.nodeName = AnimationIO::readName(in, "channel node name");
    channel.keyCount = in.readU16("key count");
    in.require(channel.keyCount, keySetSize, "keys");
    readVectorKeys(in, channel.keyCount, channel.positions, channel.positionTimes, "position keys");
    readVectorKeys(in, channel.keyCount, channel.scales, channel.scaleTimes, "scale keys");
    readRotationKeys(in, channel.keyCount, channel);
    return channel;
}

// The game samples at (duration / ticksPerSecond) x phase, so both must give
// a finite, non-negative clip length.
void checkTiming(const Mesh::BinaryReader& in, const Animation& animation)
{
    if (!std::isfinite(animation.duration) || animation.duration < 0.0f) {
        in.fail("duration " + std::to_string(animation.duration) + " is not a finite number of ticks >= 0");
    }
    if (!std::isfinite(animation.ticksPerSecond) || animation.ticksPerSecond <= 0.0f) {
        in.fail("ticks per second " + std::to_string(animation.ticksPerSecond) + " is not a finite number > 0");
    }
}

std::string findWriteProblem(const Animation& animation)
{
    if (animation.name.size() > AnimationIO::maxNameLength) {
        return "clip name of " + std::to_string(animation.name.size()) + " bytes";
    }
    if (animation.channels.size() > maxChannelCount) {
        return std::to_string(animation.channels.size()) + " channels, at most " + std::to_string(maxChannelCount) +
               " fit";
    }
    for (const AnimationChannel& channel : animation.channels) {
        if (channel.nodeName.size() > AnimationIO::maxNameLength) {
            return "channel node name of " + std::to_string(channel.nodeName.size()) + " bytes";
        }
        if (channel.keyCount > maxKeyCount) {
            return "channel \"" + channel.nodeName + "\" has " + std::to_string(channel.keyCount) + " keys, at most " +
                   std::to_string(maxKeyCount) + " fit";
        }
        if (!channel.keyListsHoldKeyCount()) {
            return "channel \"" + channel.nodeName + "\" has key lists whose lengths differ from its key count " +
                   std::to_string(channel.keyCount);
        }
    }
    return {};
}

void writeVectorKeys(Mesh::BinaryWriter& out, const std::vector<glm::vec3>& values, const std::vector<float>& times)
{
    for (std::size_t i = 0; i < values.size(); ++i) {
        out.writeF32(values[i].x);
        out.writeF32(values[i].y);
        out.writeF32(values[i].z);
        out.writeF32(times[i]);
    }
}

void writeChannel(Mesh::BinaryWriter& out, const AnimationChannel& channel)
{
    AnimationIO::writeName(out, channel.nodeName);
    out.writeU16(static_cast<uint16_t>(channel.keyCount));
    writeVectorKeys(out, channel.positions, channel.positionTimes);
    writeVectorKeys(out, channel.scales, channel.scaleTimes);
    for (std::size_t i = 0; i < channel.rotations.size(); ++i) {
        const glm::quat& q = channel.rotations[i];
        out.writeF32(q.w);
        out.writeF32(q.x);
        out.writeF32(q.y);
        out.writeF32(q.z);
        out.writeF32(channel.rotationTimes[i]);
    }
}

} // namespace

std::unique_ptr<Animation> readAnimationFile(const std::string& path)
{
    Mesh::BinaryReader in(path);
    in.readString(identifierLength, "identifier");
    in.readU8("reserved byte");
    auto animation = std::make_unique<Animation>();
    animation->name = AnimationIO::readName(in, "clip name");
    animation->duration = in.readF32("duration");
    animation->ticksPerSecond = in.readF32("ticks per second");
    checkTiming(in, *animation);
    const uint8_t channelCount = in.readU8("channel count");
    in.require(channelCount, channelRecordMinSize, "channel records");
    animation->channels.reserve(channelCount);
    for (uint8_t i = 0; i < channelCount; ++i) {
        animation->channels.push_back(readChannel(in));
    }
    in.expectEnd();
    return animation;
}

void writeAnimationFile(const std::string& path, const Animation& animation)
{
    const std::string problem = findWriteProblem(animation);
    if (!problem.empty()) {
        throw Engine::DataFileError(path, problem);
    }
    Mesh::BinaryWriter out;
    out.writeBytes(std::string(animationFileIdentifier, identifierLength));
    out.writeU8(0);
    AnimationIO::writeName(out, animation.name);
    out.writeF32(animation.duration);
    out.writeF32(animation.ticksPerSecond);
    out.writeU8(static_cast<uint8_t>(animation.channels.size()));
    for (const AnimationChannel& channel : animation.channels) {
        writeChannel(out, channel);
    }
    out.save(path);
}

} // namespace Engine::GFX

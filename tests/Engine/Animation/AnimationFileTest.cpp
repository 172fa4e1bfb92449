#include "Engine/Animation/AnimationFile.h"

#include <limits>

#include <gtest/gtest.h>

#include "Engine/Base/DataFileError.h"
#include "tests/Engine/Animation/ByteFile.h"

using namespace Engine::GFX;

namespace {

ByteFile clipHeader(float duration, float ticksPerSecond, uint8_t channelCount)
{
    ByteFile file;
    file.text("0123456789").u8(7).name("run").f32(duration).f32(ticksPerSecond).u8(channelCount);
    return file;
}

// One channel "hips" with two keys whose three lists have different times.
ByteFile oneChannelClip()
{
    ByteFile file = clipHeader(24.0f, 12.0f, 1);
    file.name("hips").u16(2);
    file.f32(1).f32(2).f32(3).f32(0).f32(4).f32(5).f32(6).f32(24);                     // positions
    file.f32(1).f32(1).f32(1).f32(0).f32(2).f32(2).f32(2).f32(12);                     // scales
    file.f32(1).f32(0).f32(0).f32(0).f32(0).f32(0).f32(0).f32(0.6f).f32(0.8f).f32(20); // w, x, y, z, time
    return file;
}

} // namespace

TEST(AnimationFile, ReadsAHandMadeClipAndTheWriterIsItsExactInverse)
{
    const std::string path = testFilePath("run.canim");
    const std::string copy = testFilePath("copy.canim");
    ByteFile file = oneChannelClip();
    std::copy(animationFileIdentifier, animationFileIdentifier + 10, file.bytes.begin());
    file.bytes[10] = 0;
    file.save(path);
    const auto clip = readAnimationFile(path);
    EXPECT_EQ("run", clip->name);
    EXPECT_EQ(24.0f, clip->duration);
    EXPECT_EQ(12.0f, clip->ticksPerSecond);
    ASSERT_EQ(1u, clip->channels.size());
    const AnimationChannel& hips = clip->channels[0];
    EXPECT_EQ("hips", hips.nodeName);
    EXPECT_EQ(2u, hips.keyCount);
    EXPECT_EQ(glm::vec3(4, 5, 6), hips.positions[1]);
    EXPECT_EQ(24.0f, hips.positionTimes[1]);
    EXPECT_EQ(glm::vec3(2.0f), hips.scales[1]);
    EXPECT_EQ(12.0f, hips.scaleTimes[1]);
    // w comes first in the file; in memory the quaternion is x, y, z, w.
    EXPECT_EQ(glm::quat(0.0f, 0.0f, 0.6f, 0.8f), hips.rotations[1]);
    EXPECT_EQ(20.0f, hips.rotationTimes[1]);
    writeAnimationFile(copy, *clip);
    EXPECT_EQ(readBytes(path), readBytes(copy));

    clipHeader(0.0f, 30.0f, 0).save(path);
    EXPECT_TRUE(readAnimationFile(path)->channels.empty()) << "a clip without channels is valid";
}

TEST(AnimationFile, TruncatedAndCorruptFilesAreRejected)
{
    const ByteFile whole = oneChannelClip();
    const std::string cutPath = testFilePath("cut.canim");
    for (std::size_t length = 0; length < whole.bytes.size(); ++length) {
        whole.save(cutPath, length);
        EXPECT_THROW(readAnimationFile(cutPath), Engine::DataFileError) << "cut at " << length;
    }
    const float nan = std::numeric_limits<float>::quiet_NaN();
    ByteFile hugeKeyCount = clipHeader(1.0f, 1.0f, 1);
    hugeKeyCount.name("hips").u16(65535).f32(0);
    const struct {
        ByteFile file;
        const char* problem;
    } rows[] = {
        {hugeKeyCount, "truncated"},
        {oneChannelClip().u8(1), "after"},
        {clipHeader(10.0f, 0.0f, 0), "ticks per second 0.0"},
        {clipHeader(10.0f, -5.0f, 0), "ticks per second -5.0"},
        {clipHeader(-1.0f, 10.0f, 0), "duration -1.0"},
        {clipHeader(nan, 10.0f, 0), "duration nan"},
    };
    const std::string path = testFilePath("corrupt.canim");
    for (const auto& row : rows) {
        row.file.save(path);
        const std::string message = rejection(readAnimationFile, path);
        EXPECT_NE(std::string::npos, message.find(row.problem)) << message;
    }
}

TEST(AnimationFile, WriterRefusesKeyListsOfDifferentLengths)
{
    AnimationChannel channel;
    channel.nodeName = "hips";
    channel.keyCount = 1;
    channel.positions = {glm::vec3(0)};
    channel.positionTimes = {0.0f};
    Animation clip;
    clip.channels = {channel};
    EXPECT_THROW(writeAnimationFile(testFilePath("bad.canim"), clip), Engine::DataFileError);
}

#include "Engine/Animation/AnimationFile.h"
#include "Engine/Animation/KeyInterpolation.h"
#include "Engine/Animation/SkeletalAnimation.h"
#include "Engine/Animation/SkeletonFile.h"
#include "tests/support/TestFiles.h"

#include <glm/gtc/matrix_transform.hpp>
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

using namespace Engine::GFX;
using TestFiles::Bytes;

const glm::mat4 identity(1.0f);
const glm::vec3 zAxis(0, 0, 1);

glm::mat4 translation(float x, float y, float z)
{
    return glm::translate(identity, glm::vec3(x, y, z));
}

Bytes& matrix(Bytes& b, const glm::mat4& m)
{
    for (int i = 0; i < 16; ++i) b.f32(m[i / 4][i % 4]);
    return b;
}

// A skeleton file of nodes (name, parent byte: 1-based, 0 for none).
Bytes skeletonFile(const std::vector<std::pair<std::string, int>>& nodes)
{
    Bytes b;
    b.text("cskeleton").u8(0).u8(uint32_t(nodes.size()));
    for (const auto& [name, parent] : nodes) matrix(b.name(name).u8(uint32_t(parent)), translation(0.25f, 0.5f, 1.5f));
    return b;
}

Bytes clipHeader(float duration, float ticksPerSecond, uint32_t channels)
{
    Bytes b;
    b.text("canimation").u8(0).name("run").f32(duration).f32(ticksPerSecond).u8(channels);
    return b;
}

// One channel "hips" with two keys whose three lists have their own times;
// rotations are stored w first.
Bytes oneChannelClip()
{
    Bytes b = clipHeader(24.0f, 12.0f, 1);
    b.name("hips").u16(2).floats({1, 2, 3, 0, 4, 5, 6, 24}).floats({1, 1, 1, 0, 2, 2, 2, 12});
    return b.floats({1, 0, 0, 0, 0, 0, 0, 0.6f, 0.8f, 20});
}

TEST(SkeletonFile, HandMadeFileIsReadAndWrittenBackByteForByte)
{
    const TestFiles::TempDir dir;
    const Bytes file = skeletonFile({{"root", 0}, {"hand.L", 1}, {"tip", 2}});
    TestFiles::writeBytes(dir.path("a.cskel"), file.data);
    const auto skeleton = readSkeletonFile(dir.path("a.cskel"));
    ASSERT_EQ(skeleton->nodes.size(), 3u);
    EXPECT_FALSE(skeleton->nodes[0].hasParent);
    EXPECT_EQ(skeleton->nodes[2].parentIndex, 1u);
    EXPECT_EQ(skeleton->nodeMapping.at("hand.L"), 1u);
    EXPECT_EQ(glm::vec3(skeleton->nodes[1].transform[3]), glm::vec3(0.25f, 0.5f, 1.5f));
    writeSkeletonFile(dir.path("b.cskel"), *skeleton);
    EXPECT_EQ(TestFiles::readBytes(dir.path("b.cskel")), file.data);
}

TEST(SkeletonFile, DamagedFilesAreRejectedWithTheirProblem)
{
    const TestFiles::TempDir dir;
    const std::string path = dir.path("bad.cskel");
    const Bytes valid = skeletonFile({{"root", 0}, {"hand.L", 1}, {"tip", 2}});
    std::vector<std::pair<std::string, int>> many{{"root", 0}};
    for (int i = 1; i < 128; ++i) many.emplace_back("n" + std::to_string(i), 1);
    std::vector<std::pair<Bytes, std::string>> cases = {
        {skeletonFile(many), "128 nodes, at most 127"},
        {Bytes(valid).u8(0), "after"},
        {skeletonFile({{"root", 0}, {"ar\nm", 9}}), "node 1 \"ar\\x0am\" names parent 8"},
        {skeletonFile({{"root", 0}, {"arm", 2}}), "\"arm\" names parent 1"},
        {skeletonFile({{"root", 2}, {"arm", 1}}), "must be the root"},
    };
    Bytes hugeCount = skeletonFile({{"root", 0}});
    hugeCount.data[10] = 127;
    cases.emplace_back(hugeCount, "truncated: node records needs");
    for (std::size_t length = 0; length < valid.data.size(); ++length)
        cases.emplace_back(Bytes{{valid.data.begin(), valid.data.begin() + long(length)}}, "truncated");
    for (const auto& [file, problem] : cases) {
        TestFiles::writeBytes(path, file.data);
        const std::string message = TestFiles::rejection(readSkeletonFile, path);
        EXPECT_EQ(message.rfind(path + ": ", 0), 0u) << message;
        EXPECT_NE(message.find(problem), std::string::npos) << message << " (" << file.data.size() << " bytes)";
    }
}

TEST(AnimationFile, HandMadeClipIsReadAndWrittenBackByteForByte)
{
    const TestFiles::TempDir dir;
    const Bytes file = oneChannelClip();
    TestFiles::writeBytes(dir.path("a.canim"), file.data);
    const auto clip = readAnimationFile(dir.path("a.canim"));
    EXPECT_EQ(std::make_tuple(clip->name, clip->duration, clip->ticksPerSecond), std::make_tuple("run", 24.0f, 12.0f));
    ASSERT_EQ(clip->channels.size(), 1u);
    const AnimationChannel& hips = clip->channels[0];
    EXPECT_EQ(hips.nodeName, "hips");
    EXPECT_EQ(hips.positions[1], glm::vec3(4, 5, 6));
    EXPECT_EQ(hips.scaleTimes[1], 12.0f);
    EXPECT_EQ(hips.rotations[1], glm::quat(0.0f, 0.0f, 0.6f, 0.8f)); // glm's constructor takes w first too
    EXPECT_EQ(hips.rotationTimes[1], 20.0f);
    writeAnimationFile(dir.path("b.canim"), *clip);
    EXPECT_EQ(TestFiles::readBytes(dir.path("b.canim")), file.data);
}

TEST(AnimationFile, DamagedFilesAreRejectedWithTheirProblem)
{
    const TestFiles::TempDir dir;
    const std::string path = dir.path("bad.canim");
    const Bytes valid = oneChannelClip();
    std::vector<std::pair<Bytes, std::string>> cases = {
        {clipHeader(1, 1, 1).name("hips").u16(65535).f32(0), "truncated: keys needs"},
        {clipHeader(1, 1, 200), "truncated: channel records needs"},
        {Bytes(valid).u8(1), "after"},
        {clipHeader(10, 0, 0), "ticks per second 0.0"},
        {clipHeader(10, -5, 0), "ticks per second -5.0"},
        {clipHeader(-1, 10, 0), "duration -1.0"},
        {clipHeader(std::numeric_limits<float>::quiet_NaN(), 10, 0), "duration nan"},
        {clipHeader(std::numeric_limits<float>::infinity(), 10, 0), "duration inf"},
    };
    for (std::size_t length = 0; length < valid.data.size(); ++length)
        cases.emplace_back(Bytes{{valid.data.begin(), valid.data.begin() + long(length)}}, "truncated");
    for (const auto& [file, problem] : cases) {
        TestFiles::writeBytes(path, file.data);
        const std::string message = TestFiles::rejection(readAnimationFile, path);
        EXPECT_EQ(message.rfind(path + ": ", 0), 0u) << message;
        EXPECT_NE(message.find(problem), std::string::npos) << message << " (" << file.data.size() << " bytes)";
    }
}

AnimationChannel channel(const std::string& node, const std::vector<float>& times, const std::vector<glm::vec3>& positions,
                         const std::vector<glm::quat>& rotations)
{
    AnimationChannel c;
    c.nodeName = node;
    c.keyCount = uint32_t(times.size());
    c.positions = positions;
    c.rotations = rotations;
    c.scales.assign(times.size(), glm::vec3(1.0f));
    c.positionTimes = c.rotationTimes = c.scaleTimes = times;
    return c;
}

Animation clip(float duration, float ticksPerSecond, std::vector<AnimationChannel> channels)
{
    Animation a;
    a.duration = duration;
    a.ticksPerSecond = ticksPerSecond;
    a.channels = std::move(channels);
    return a;
}

PoseNode node(const std::string& name, const glm::mat4& transform, int parent)
{
    PoseNode n;
    n.name = name;
    n.transform = transform;
    n.hasParent = parent >= 0;
    n.parentIndex = uint32_t(std::max(parent, 0));
    return n;
}

// root -> arm -> hand, one unit apart along x.
SkeletalAnimation arm()
{
    return SkeletalAnimation({node("root", identity, -1), node("arm", translation(1, 0, 0), 0),
                              node("hand", translation(1, 0, 0), 1)});
}

TEST(Sampling, KeysAreHitExactlyAndTimesBetweenThemInterpolatedAndClamped)
{
    const glm::quat turn = glm::angleAxis(glm::radians(90.0f), zAxis);
    const Animation walk = clip(10.0f, 2.0f, {channel("arm", {0, 4, 10}, {{1, 0, 0}, {3, 0, 0}, {3, 6, 0}},
                                                      {glm::quat(1, 0, 0, 0), turn, turn})});
    const struct {
        float seconds;
        glm::vec3 origin;
        float angle; // degrees about z
    } cases[] = {{0, {1, 0, 0}, 0}, {1, {2, 0, 0}, 45}, {2, {3, 0, 0}, 90}, {3.5f, {3, 3, 0}, 90},
                 {5, {3, 6, 0}, 90}, {40, {3, 6, 0}, 90}, {-3, {1, 0, 0}, 0}};
    SkeletalAnimation pose = arm();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.seconds);
        pose.sample(walk, c.seconds);
        const glm::mat4 m = pose.getNodeTransform("arm");
        EXPECT_LT(glm::distance(glm::vec3(m[3]), c.origin), 1e-5f);
        EXPECT_NEAR(glm::degrees(std::atan2(m[0][1], m[0][0])), c.angle, 1e-3f);
    }
    pose.sample(walk, 2.0f);
    EXPECT_EQ(pose.getNodeTransform("hand"), translation(1, 0, 0)) << "a node without channel keeps its rest";
}

TEST(KeyInterpolation, SlerpTakesTheShorterArcWhenThePairIsStoredWithOppositeSigns)
{
    using namespace KeyInterpolation;
    const glm::quat from = glm::angleAxis(glm::radians(10.0f), zAxis);
    for (const float sign : {1.0f, -1.0f}) {
        const glm::quat to = sign * glm::angleAxis(glm::radians(-20.0f), zAxis);
        const glm::vec3 halfway = slerpShorterArc(from, to, 0.5f) * glm::vec3(1, 0, 0);
        EXPECT_NEAR(glm::degrees(std::atan2(halfway.y, halfway.x)), -5.0f, 1e-3f) << "sign " << sign;
    }
    const std::vector<float> times{1, 2, 5, 9};
    for (const auto& [time, index] : {std::pair{-3.0f, 0u}, {1.9f, 0u}, {2.0f, 1u}, {40.0f, 2u}})
        EXPECT_EQ(findKeyIndex(times, time), index) << time;
    const std::vector<float> repeated{0, 4, 4};
    EXPECT_EQ(interpolationFactor(repeated, findKeyIndex(repeated, 6.0f), 6.0f), 1.0f) << "not NaN";
}

TEST(BoneMatrices, ParentsComeBeforeChildrenAndBindPoseGivesIdentity)
{
    // "tip" hangs below "mid", which comes later in the list.
    SkeletalAnimation pose({node("root", identity, -1), node("tip", translation(0, 0, 1), 2),
                            node("mid", translation(0, 3, 0), 0)});
    pose.sample(clip(1, 1, {}), 0.0f);
    pose.propagate(0, translation(10, 0, 0));
    EXPECT_EQ(glm::vec3(pose.getNodeTransform("tip")[3]), glm::vec3(10, 3, 1));

    SkeletalAnimation bound = arm();
    BoneMatrixArray palette(3, translation(4, 5, 6));
    bound.animate(clip(1, 1, {}), 0.0f);
    bound.computeBoneMatrices(std::vector<BoneBinding>{{glm::inverse(translation(1, 0, 0)), "arm"}, {identity, "tail"},
                                                       {glm::inverse(translation(2, 0, 0)), "hand"}},
                              palette);
    for (int bone : {0, 2})
        for (int column = 0; column < 4; ++column)
            EXPECT_LT(glm::distance(palette[bone][column], identity[column]), 1e-5f) << "the bind pose is the identity";
    EXPECT_EQ(palette[1], translation(4, 5, 6)) << "a bone that is not a node keeps its matrix";
}

} // namespace

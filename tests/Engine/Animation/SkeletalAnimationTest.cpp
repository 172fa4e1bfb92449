#include "Engine/Animation/SkeletalAnimation.h"

#include <gtest/gtest.h>
#include <glm/gtc/matrix_transform.hpp>

using namespace Engine::GFX;

namespace {

const glm::mat4 identity(1.0f);
const glm::vec3 zAxis(0.0f, 0.0f, 1.0f);

PoseNode makeNode(const std::string& name, const glm::mat4& transform, int parent = -1)
{
    PoseNode node;
    node.name = name;
    node.transform = transform;
    node.hasParent = parent >= 0;
    node.parentIndex = parent >= 0 ? static_cast<uint32_t>(parent) : 0u;
    return node;
}

glm::mat4 translation(float x, float y, float z)
{
    return glm::translate(identity, glm::vec3(x, y, z));
}

AnimationChannel makeChannel(const std::string& node, const std::vector<float>& times,
                             const std::vector<glm::vec3>& positions, const std::vector<glm::quat>& rotations = {},
                             const std::vector<glm::vec3>& scales = {})
{
    AnimationChannel channel;
    channel.nodeName = node;
    channel.keyCount = static_cast<uint32_t>(times.size());
    channel.positions = positions;
    channel.rotations = rotations.empty() ? std::vector<glm::quat>(times.size(), glm::quat(1, 0, 0, 0)) : rotations;
    channel.scales = scales.empty() ? std::vector<glm::vec3>(times.size(), glm::vec3(1.0f)) : scales;
    channel.positionTimes = channel.rotationTimes = channel.scaleTimes = times;
    return channel;
}

Animation makeClip(float duration, float ticksPerSecond, std::vector<AnimationChannel> channels)
{
    Animation clip;
    clip.duration = duration;
    clip.ticksPerSecond = ticksPerSecond;
    clip.channels = std::move(channels);
    return clip;
}

glm::vec3 origin(const glm::mat4& matrix)
{
    return glm::vec3(matrix[3]);
}

void expectMatrixNear(const glm::mat4& expected, const glm::mat4& actual)
{
    for (int c = 0; c < 4; ++c) {
        for (int r = 0; r < 4; ++r) EXPECT_NEAR(expected[c][r], actual[c][r], 1e-5) << "column " << c << " row " << r;
    }
}

// root -> arm -> hand, rest offsets of one unit along x.
SkeletalAnimation makeArm()
{
    return SkeletalAnimation({makeNode("root", identity), makeNode("arm", translation(1, 0, 0), 0),
                              makeNode("hand", translation(1, 0, 0), 1)});
}

} // namespace

TEST(SkeletonBuild, DerivesChildrenMappingAndIdentityTransforms)
{
    SkeletalAnimation pose({makeNode("root", identity), makeNode("b", translation(0, 1, 0), 2),
                            makeNode("a", translation(1, 0, 0), 0), makeNode("c", identity, 0),
                            makeNode("a", identity, 0)});
    ASSERT_EQ(5u, pose.transforms.size());
    EXPECT_EQ(identity, pose.transforms[1]);
    EXPECT_EQ((std::vector<int8_t>{2, 3, 4}), pose.nodes[0].children);
    EXPECT_EQ((std::vector<int8_t>{1}), pose.nodes[2].children);
    EXPECT_EQ(2u, pose.nodeMapping.at("a")); // a repeated name keeps its first node
}

TEST(Sampling, StartAndDurationGiveTheFirstAndLastKeysExactly)
{
    SkeletalAnimation pose = makeArm();
    const glm::quat turn = glm::angleAxis(glm::radians(90.0f), zAxis);
    const Animation clip = makeClip(10.0f, 2.0f,
                                    {makeChannel("arm", {0.0f, 10.0f}, {glm::vec3(1, 0, 0), glm::vec3(3, 0, 0)},
                                                 {glm::quat(1, 0, 0, 0), turn}, {glm::vec3(1.0f), glm::vec3(2.0f)})});
    pose.sample(clip, 0.0f);
    EXPECT_EQ(translation(1, 0, 0), pose.getNodeTransform("arm"));

    // 5 s x 2 ticks per second = the duration; scale first, then rotation,
    // then translation.
    pose.sample(clip, 5.0f);
    const glm::mat4 last = translation(3, 0, 0) * glm::mat4_cast(turn) * glm::scale(identity, glm::vec3(2.0f));
    EXPECT_EQ(last, pose.getNodeTransform("arm"));
}

TEST(Sampling, TimeIsClampedToTheClipANegativeDurationSamplesTheStartAndTimesAfterTheLastKeyExtrapolate)
{
    SkeletalAnimation pose = makeArm();
    const AnimationChannel channel = makeChannel("arm", {0.0f, 10.0f}, {glm::vec3(2, 0, 0), glm::vec3(10, 0, 0)});
    const std::tuple<float, float, float> rows[] = {
        {10.0f, -4.0f, 2.0f}, {10.0f, 99.0f, 10.0f}, {-5.0f, 3.0f, 2.0f}, {20.0f, 15.0f, 14.0f}};
    for (const auto& [duration, seconds, expected] : rows) {
        pose.sample(makeClip(duration, 1.0f, {channel}), seconds);
        EXPECT_FLOAT_EQ(expected, origin(pose.getNodeTransform("arm")).x) << duration << " s clip at " << seconds;
    }
}

TEST(Sampling, EachKeyListUsesItsOwnTimes)
{
    SkeletalAnimation pose = makeArm();
    AnimationChannel channel = makeChannel("arm", {0.0f, 10.0f}, {glm::vec3(0), glm::vec3(10, 0, 0)});
    channel.scales = {glm::vec3(1.0f), glm::vec3(3.0f)};
    channel.scaleTimes = {0.0f, 4.0f};
    pose.sample(makeClip(10.0f, 1.0f, {channel}), 2.0f);
    EXPECT_FLOAT_EQ(2.0f, origin(pose.getNodeTransform("arm")).x);
    EXPECT_FLOAT_EQ(2.0f, pose.getNodeTransform("arm")[1][1]); // scale halfway between 1 and 3
}

TEST(Sampling, ChannelsOfUnknownNodesAreSkippedAndChannelsWithoutKeysLeaveTheRest)
{
    SkeletalAnimation pose = makeArm();
    AnimationChannel empty;
    empty.nodeName = "hand";
    pose.sample(makeClip(1.0f, 1.0f, {makeChannel("tail", {0.0f}, {glm::vec3(9, 9, 9)}), empty}), 0.5f);
    EXPECT_EQ(0u, pose.nodeMapping.count("tail"));
    EXPECT_EQ(identity, pose.transforms[0]);
    EXPECT_EQ(translation(1, 0, 0), pose.transforms[1]);
    EXPECT_EQ(translation(1, 0, 0), pose.getNodeTransform("hand"));
}

TEST(Sampling, NodesWithoutChannelDoNotAccumulateOverFrames)
{
    SkeletalAnimation pose({makeNode("root", translation(0, 0, 2)), makeNode("arm", translation(1, 0, 0), 0)});
    const Animation noChannels = makeClip(1.0f, 1.0f, {});
    pose.animate(noChannels, 0.0f);
    const glm::mat4 firstFrame = pose.getNodeTransform("arm");
    pose.animate(noChannels, 0.0f);
    EXPECT_EQ(firstFrame, pose.getNodeTransform("arm"));
    EXPECT_EQ(identity, pose.transforms[0]);
}

TEST(Propagation, ParentsAreUpdatedBeforeTheirChildren)
{
    // Node 1 hangs below node 2, which comes later in the file.
    SkeletalAnimation pose({makeNode("root", identity), makeNode("tip", translation(0, 0, 1), 2),
                            makeNode("mid", translation(0, 3, 0), 0)});
    pose.sample(makeClip(1.0f, 1.0f, {}), 0.0f);
    pose.propagate(0, translation(10, 0, 0));
    EXPECT_EQ(glm::vec3(10, 3, 1), origin(pose.getNodeTransform("tip")));
    EXPECT_EQ(glm::vec3(10, 3, 0), origin(pose.getNodeTransform("mid")));
}

TEST(Propagation, RootParentCancelsTheRootRestTransformAndIsIdentityWithoutNodes)
{
    SkeletalAnimation pose({makeNode("root", translation(0, 0, 5)), makeNode("arm", translation(1, 0, 0), 0)});
    expectMatrixNear(translation(0, 0, -5), pose.rootParent());
    pose.animate(makeClip(1.0f, 1.0f, {}), 0.0f);
    expectMatrixNear(translation(1, 0, 0), pose.getNodeTransform("arm"));

    SkeletalAnimation empty;
    EXPECT_EQ(identity, empty.rootParent());
    empty.animate(makeClip(1.0f, 1.0f, {}), 0.0f);
    EXPECT_TRUE(empty.transforms.empty());
}

TEST(BoneMatrices, BindPoseGivesIdentityABoneThatIsNotANodeKeepsItsMatrixAndBonesMoveWithTheirNode)
{
    SkeletalAnimation pose = makeArm();
    pose.animate(makeClip(1.0f, 1.0f, {}), 0.0f);
    const glm::mat4 previous = translation(4, 5, 6);
    BoneMatrixArray palette{previous, previous, previous};
    pose.computeBoneMatrices(std::vector<BoneBinding>{{glm::inverse(translation(1, 0, 0)), "arm"},
                                                      {identity, "tail"},
                                                      {glm::inverse(translation(2, 0, 0)), "hand"}},
                             palette);
    expectMatrixNear(identity, palette[0]);
    EXPECT_EQ(previous, palette[1]);
    expectMatrixNear(identity, palette[2]);

    SkeletalAnimation lifted({makeNode("root", translation(0, 0, 1)), makeNode("arm", translation(1, 0, 0), 0)});
    lifted.animate(makeClip(1.0f, 1.0f, {makeChannel("arm", {0.0f}, {glm::vec3(1, 0, 2)})}), 0.0f);
    BoneMatrixArray moved(1);
    lifted.computeBoneMatrices(std::vector<BoneBinding>{{translation(-1, 0, 0), "arm"}}, moved);
    // inverse(root rest) x global x offset = T(0,0,-1) x T(1,0,2) x T(-1,0,0)
    expectMatrixNear(translation(0, 0, 1), moved[0]);
}

TEST(SkeletalAnimationDeathTest, MisuseIsAProgrammingError)
{
    SkeletalAnimation pose = makeArm();
    BoneMatrixArray palette(1);
    EXPECT_DEATH(pose.computeBoneMatrices(std::vector<BoneBinding>{{identity, "arm"}, {identity, "hand"}}, palette),
                 "Assertion failed: bones\\.size\\(\\) == boneGroupTarget\\.getSize\\(\\)");
    EXPECT_DEATH(pose.getNodeTransform("hand.L"), "Assertion failed: nodeMapping\\.count\\(nodeName\\) > 0");
}

#include <algorithm>
#include <cmath>
#include <fstream>
#include <iterator>
#include <numeric>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "Engine/Animation/AnimationFile.h"
#include "Engine/Animation/SkeletonFile.h"
#include "Engine/Mesh/MeshFile.h"
#include "tests/tools/datagen/character/GeneratedData.h"

using namespace Engine::GFX;
using Engine::GFX::Mesh::MeshData;

namespace {

// One full clip spans 300 update steps of the game's animation phase.
constexpr int phaseSteps = 300;

class CharacterData : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        const std::string& dir = generatedDataDir();
        skeleton = readSkeletonFile(dir + "skeletons/animation.cskel").release();
        clip = readAnimationFile(dir + "animations/animation_running.canim").release();
        mesh = Mesh::readMeshFile(dir + "models/animation.camesh").release();
    }
    static void TearDownTestSuite()
    {
        delete skeleton;
        delete clip;
        delete mesh;
    }

    // Poses the skeleton at an animation phase 0..1 as the game does and
    // skins the mesh on the CPU.
    static std::vector<glm::vec3> skinnedPositions(float phase)
    {
        skeleton->animate(*clip, clip->duration / clip->ticksPerSecond * phase);
        BoneMatrixArray palette(mesh->bones.size());
        skeleton->computeBoneMatrices(mesh->bones, palette);
        std::vector<glm::vec3> positions;
        for (uint32_t v = 0; v < mesh->vertexCount; ++v) {
            glm::mat4 skin(0.0f);
            for (int slot = 0; slot < 4; ++slot) {
                skin += palette[mesh->boneData[v].ids[slot]] * mesh->boneData[v].weights[slot];
            }
            positions.emplace_back(skin * glm::vec4(mesh->positions[v], 1.0f));
        }
        return positions;
    }

    static float lowest(const std::vector<glm::vec3>& positions)
    {
        return std::min_element(positions.begin(), positions.end(),
                                [](const glm::vec3& a, const glm::vec3& b) { return a.z < b.z; })
            ->z;
    }

    static SkeletalAnimation* skeleton;
    static Animation* clip;
    static MeshData* mesh;
};

SkeletalAnimation* CharacterData::skeleton = nullptr;
Animation* CharacterData::clip = nullptr;
MeshData* CharacterData::mesh = nullptr;

std::vector<char> fileBytes(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    return std::vector<char>(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

} // namespace

TEST_F(CharacterData, SkeletonHasARootAndTheHumanoidNodes)
{
    ASSERT_FALSE(skeleton->nodes.empty());
    EXPECT_FALSE(skeleton->nodes[0].hasParent);
    for (const char* name : {"hips", "spine", "chest", "neck", "head", "shoulder.L", "shoulder.R", "upper_arm.L",
                             "upper_arm.R", "lower_arm.L", "lower_arm.R", "hand.L", "hand.R", "thigh.L", "thigh.R",
                             "shin.L", "shin.R", "foot.L", "foot.R"}) {
        EXPECT_EQ(1u, skeleton->nodeMapping.count(name)) << name;
    }
    for (std::size_t i = 1; i < skeleton->nodes.size(); ++i) {
        EXPECT_TRUE(skeleton->nodes[i].hasParent) << skeleton->nodes[i].name;
    }
}

TEST_F(CharacterData, EveryMeshBoneIsASkeletonNode)
{
    ASSERT_FALSE(mesh->bones.empty());
    for (const Mesh::MeshFileBone& bone : mesh->bones) {
        EXPECT_EQ(1u, skeleton->nodeMapping.count(bone.name)) << bone.name;
    }
}

TEST_F(CharacterData, BindPoseReproducesTheMesh)
{
    skeleton->animate(Animation{}, 0.0f);
    BoneMatrixArray palette(mesh->bones.size(), glm::mat4(0.0f));
    skeleton->computeBoneMatrices(mesh->bones, palette);
    for (std::size_t k = 0; k < palette.size(); ++k) {
        for (int c = 0; c < 4; ++c) {
            for (int r = 0; r < 4; ++r) {
                EXPECT_NEAR(c == r ? 1.0f : 0.0f, palette[k][c][r], 1e-5) << mesh->bones[k].name;
            }
        }
    }
}

TEST_F(CharacterData, VerticesHaveAtMostFourBonesWithWeightsSummingToOne)
{
    ASSERT_EQ(mesh->vertexCount, mesh->boneData.size());
    for (const Mesh::VertexBoneData& data : mesh->boneData) {
        float sum = 0.0f;
        for (int slot = 0; slot < 4; ++slot) {
            EXPECT_GE(data.weights[slot], 0.0f);
            EXPECT_LT(data.ids[slot], mesh->bones.size());
            sum += data.weights[slot];
        }
        EXPECT_NEAR(1.0f, sum, 1e-6);
    }
}

TEST_F(CharacterData, StandsAbout1_8MetresTallOnTheGround)
{
    float low = mesh->positions[0].z;
    float high = low;
    for (const glm::vec3& p : mesh->positions) {
        low = std::min(low, p.z);
        high = std::max(high, p.z);
    }
    EXPECT_NEAR(0.0f, low, 1e-3);
    EXPECT_NEAR(1.8f, high, 0.05f);
}

TEST_F(CharacterData, FeetPointAlongPlusX)
{
    float forward = 0.0f;
    float backward = 0.0f;
    for (const glm::vec3& p : mesh->positions) {
        if (p.z < 0.05f) {
            forward = std::max(forward, p.x);
            backward = std::min(backward, p.x);
        }
    }
    EXPECT_GT(forward, 2.0f * -backward);
}

TEST_F(CharacterData, TrianglesFaceOutwards)
{
    // A closed surface wound counter-clockwise from outside encloses a
    // positive volume: roughly the 60 to 90 litres of a person.
    double volume = 0.0;
    for (std::size_t i = 0; i < mesh->indices.size(); i += 3) {
        const glm::dvec3 a(mesh->positions[mesh->indices[i]]);
        const glm::dvec3 b(mesh->positions[mesh->indices[i + 1]]);
        const glm::dvec3 c(mesh->positions[mesh->indices[i + 2]]);
        volume += glm::dot(a, glm::cross(b, c)) / 6.0;
    }
    EXPECT_GT(volume, 0.04);
    EXPECT_LT(volume, 0.12);
}

TEST_F(CharacterData, ClipAnimatesEveryNodeBelowTheRoot)
{
    ASSERT_EQ(skeleton->nodes.size() - 1, clip->channels.size());
    for (const AnimationChannel& channel : clip->channels) {
        EXPECT_EQ(1u, skeleton->nodeMapping.count(channel.nodeName)) << channel.nodeName;
        EXPECT_NE(skeleton->nodes[0].name, channel.nodeName);
        EXPECT_GE(channel.keyCount, 2u);
    }
}

TEST_F(CharacterData, ClipLoopsSeamlesslyOverItsDuration)
{
    for (const AnimationChannel& channel : clip->channels) {
        const uint32_t last = channel.keyCount - 1;
        EXPECT_EQ(channel.positions[0], channel.positions[last]) << channel.nodeName;
        EXPECT_EQ(channel.rotations[0], channel.rotations[last]) << channel.nodeName;
        EXPECT_EQ(channel.scales[0], channel.scales[last]) << channel.nodeName;
        EXPECT_EQ(0.0f, channel.rotationTimes[0]);
        EXPECT_EQ(clip->duration, channel.rotationTimes[last]);
    }
}

TEST_F(CharacterData, ClipLastsTheGamesAnimationCycle)
{
    // The phase advances 1/300 per 10 ms step, one clip per 3 s.
    EXPECT_FLOAT_EQ(phaseSteps * 0.01f, clip->duration / clip->ticksPerSecond);
}

TEST_F(CharacterData, FeetStayOnTheGroundWhileRunning)
{
    float highest = -1.0f;
    float deepest = 1.0f;
    for (int step = 0; step < phaseSteps; step += 5) {
        const float low = lowest(skinnedPositions(static_cast<float>(step) / phaseSteps));
        highest = std::max(highest, low);
        deepest = std::min(deepest, low);
    }
    EXPECT_GT(deepest, -0.02f); // never through the floor
    EXPECT_LT(deepest, 0.01f);  // planted at times
    EXPECT_LT(highest, 0.08f);  // short flight phases only
}

TEST_F(CharacterData, ArmsSwingAgainstTheLegsOfTheirSide)
{
    // Correlate the forward positions of the left hand and the left foot.
    std::vector<float> hand;
    std::vector<float> foot;
    for (int step = 0; step < phaseSteps; step += 3) {
        skeleton->animate(*clip, clip->duration / clip->ticksPerSecond * static_cast<float>(step) / phaseSteps);
        hand.push_back(skeleton->getNodeTransform("hand.L")[3].x);
        foot.push_back(skeleton->getNodeTransform("foot.L")[3].x);
    }
    const auto [footBack, footFront] = std::minmax_element(foot.begin(), foot.end());
    EXPECT_GT(*footFront - *footBack, 0.3f); // a running stride, not a shuffle
    const float handMean = std::accumulate(hand.begin(), hand.end(), 0.0f) / hand.size();
    const float footMean = std::accumulate(foot.begin(), foot.end(), 0.0f) / foot.size();
    float covariance = 0.0f;
    for (std::size_t i = 0; i < hand.size(); ++i) {
        covariance += (hand[i] - handMean) * (foot[i] - footMean);
    }
    EXPECT_LT(covariance, 0.0f);
}

TEST_F(CharacterData, HandLeftIsOnTheLeftSide)
{
    skeleton->animate(*clip, 0.0f);
    EXPECT_GT(skeleton->getNodeTransform("hand.L")[3].y, 0.1f);
    EXPECT_LT(skeleton->getNodeTransform("hand.R")[3].y, -0.1f);
}

TEST_F(CharacterData, OutputIsDeterministic)
{
    const std::string again = ::testing::TempDir() + "datagen_character_again";
    DataGen::writeCharacter(again);
    for (const char* file : {"models/animation.camesh", "skeletons/animation.cskel",
                             "animations/animation_running.canim"}) {
        EXPECT_EQ(fileBytes(generatedDataDir() + file), fileBytes(again + "/" + file)) << file;
    }
}

#include <algorithm>
#include <fstream>
#include <iterator>
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

std::vector<char> fileBytes(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    return std::vector<char>(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

class CharacterData : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        const std::string& dir = generatedDataDir();
        skeleton = readSkeletonFile(dir + "skeletons/animation.cskel");
        clip = readAnimationFile(dir + "animations/animation_running.canim");
        mesh = Mesh::readMeshFile(dir + "models/animation.camesh");
    }

    static void TearDownTestSuite()
    {
        skeleton.reset();
        clip.reset();
        mesh.reset();
    }

    // Poses the skeleton at an animation phase 0..1 as the game does and
    // returns the bone matrices.
    static BoneMatrixArray posedBones(const Animation& animation, float phase)
    {
        skeleton->animate(animation, animation.duration / animation.ticksPerSecond * phase);
        BoneMatrixArray palette(mesh->bones.size(), glm::mat4(0.0f));
        skeleton->computeBoneMatrices(mesh->bones, palette);
        return palette;
    }

    static std::unique_ptr<SkeletalAnimation> skeleton;
    static std::unique_ptr<Animation> clip;
    static std::unique_ptr<MeshData> mesh;
};

std::unique_ptr<SkeletalAnimation> CharacterData::skeleton;
std::unique_ptr<Animation> CharacterData::clip;
std::unique_ptr<MeshData> CharacterData::mesh;

} // namespace

TEST_F(CharacterData, SkeletonHasARootWithTheHumanoidNodesBelowAndEveryMeshBoneIsANode)
{
    EXPECT_FALSE(skeleton->nodes.at(0).hasParent);
    for (std::size_t i = 1; i < skeleton->nodes.size(); ++i) EXPECT_TRUE(skeleton->nodes[i].hasParent) << i;
    for (const char* name : {"hips", "head", "hand.L", "hand.R", "foot.L", "foot.R"}) {
        EXPECT_EQ(1u, skeleton->nodeMapping.count(name)) << name;
    }
    ASSERT_FALSE(mesh->bones.empty());
    for (const Mesh::MeshFileBone& bone : mesh->bones) EXPECT_EQ(1u, skeleton->nodeMapping.count(bone.name)) << bone.name;
}

TEST_F(CharacterData, BindPoseReproducesTheMeshAndVerticesHaveAtMostFourBonesWithWeightsSummingToOne)
{
    const BoneMatrixArray palette = posedBones(Animation{}, 0.0f);
    for (std::size_t k = 0; k < palette.size(); ++k) {
        for (int c = 0; c < 4; ++c) {
            for (int r = 0; r < 4; ++r) EXPECT_NEAR(c == r ? 1.0f : 0.0f, palette[k][c][r], 1e-5) << mesh->bones[k].name;
        }
    }
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

TEST_F(CharacterData, StandsAbout1_8MetresTallOnTheGroundFacingPlusXWithItsSkinOutwards)
{
    const auto [low, high] = std::minmax_element(mesh->positions.begin(), mesh->positions.end(),
                                                 [](const glm::vec3& a, const glm::vec3& b) { return a.z < b.z; });
    EXPECT_NEAR(0.0f, low->z, 1e-3);
    EXPECT_NEAR(1.8f, high->z, 0.05f);

    // The feet reach further forward than back.
    float forward = 0.0f;
    float backward = 0.0f;
    for (const glm::vec3& p : mesh->positions) {
        if (p.z < 0.05f) {
            forward = std::max(forward, p.x);
            backward = std::min(backward, p.x);
        }
    }
    EXPECT_GT(forward, 2.0f * -backward);

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

TEST_F(CharacterData, ClipAnimatesEveryNodeBelowTheRootAndLoopsOverTheGamesCycle)
{
    // The phase advances 1/300 per 10 ms step, one clip per 3 s.
    EXPECT_FLOAT_EQ(phaseSteps * 0.01f, clip->duration / clip->ticksPerSecond);
    ASSERT_EQ(skeleton->nodes.size() - 1, clip->channels.size());
    for (const AnimationChannel& channel : clip->channels) {
        SCOPED_TRACE(channel.nodeName);
        EXPECT_EQ(1u, skeleton->nodeMapping.count(channel.nodeName));
        EXPECT_NE(skeleton->nodes[0].name, channel.nodeName);
        ASSERT_GE(channel.keyCount, 2u);
        const uint32_t last = channel.keyCount - 1;
        EXPECT_EQ(channel.positions[0], channel.positions[last]);
        EXPECT_EQ(channel.rotations[0], channel.rotations[last]);
        EXPECT_EQ(channel.scales[0], channel.scales[last]);
        EXPECT_EQ(0.0f, channel.rotationTimes[0]);
        EXPECT_EQ(clip->duration, channel.rotationTimes[last]);
    }
}

TEST_F(CharacterData, FeetStayOnTheGroundWhileRunningWithTheLeftHandOnTheLeft)
{
    float highest = -1.0f;
    float deepest = 1.0f;
    for (int step = 0; step < phaseSteps; step += 5) {
        const BoneMatrixArray palette = posedBones(*clip, static_cast<float>(step) / phaseSteps);
        float lowest = 1.0f;
        for (uint32_t v = 0; v < mesh->vertexCount; ++v) {
            glm::mat4 skin(0.0f);
            for (int slot = 0; slot < 4; ++slot) {
                skin += palette[mesh->boneData[v].ids[slot]] * mesh->boneData[v].weights[slot];
            }
            lowest = std::min(lowest, (skin * glm::vec4(mesh->positions[v], 1.0f)).z);
        }
        highest = std::max(highest, lowest);
        deepest = std::min(deepest, lowest);
    }
    EXPECT_GT(deepest, -0.02f); // never through the floor
    EXPECT_LT(deepest, 0.01f);  // planted at times
    EXPECT_LT(highest, 0.08f);  // short flight phases only

    skeleton->animate(*clip, 0.0f);
    EXPECT_GT(skeleton->getNodeTransform("hand.L")[3].y, 0.1f);
    EXPECT_LT(skeleton->getNodeTransform("hand.R")[3].y, -0.1f);
}

TEST_F(CharacterData, OutputIsDeterministic)
{
    const std::string again = ::testing::TempDir() + "datagen_character_again";
    DataGen::writeCharacter(again);
    for (const char* file : {"models/animation.camesh", "skeletons/animation.cskel", "animations/animation_running.canim"}) {
        EXPECT_EQ(fileBytes(generatedDataDir() + file), fileBytes(again + "/" + file)) << file;
    }
}

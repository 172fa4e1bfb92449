// The data tool's output in the run folder the build fills: the files the
// game loads, each in a form the engine's readers take, and a character whose
// mesh, skeleton and clip agree with each other.
#include "Engine/Animation/AnimationFile.h"
#include "Engine/Animation/SkeletonFile.h"
#include "Engine/Font/FontReader.h"
#include "Engine/Graphics/ImageFile.h"
#include "Engine/Mesh/MeshFile.h"
#include "Game/Resources/DataFiles.h"
#include "tools/datagen/sound/WavFile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace {

using namespace Engine::GFX;
using Game::DataKind;

std::string inRunFolder(const char* path)
{
    return std::string(GAME_RUN_DIR) + "/" + path;
}

int largestMagnitude(const std::vector<int16_t>& samples, std::size_t from, std::size_t to)
{
    int largest = 0;
    for (std::size_t i = from; i < to; ++i) largest = std::max(largest, std::abs(int(samples[i])));
    return largest;
}

// Short, audible, never at full scale (the mixer adds effects together), and
// either silent at both ends or, for a loop, running on into its start as
// smoothly as any two neighbouring samples inside it do.
void expectPleasantSound(const std::string& path, bool loops)
{
    const DataGen::PcmSound sound = DataGen::readWav(path);
    const std::vector<int16_t>& samples = sound.samples;
    const std::size_t edge = sound.sampleRate / 500; // 2 ms
    EXPECT_EQ(sound.sampleRate, 22050u);
    ASSERT_GT(samples.size(), 20 * edge);
    EXPECT_LE(samples.size(), 3u * sound.sampleRate);
    const int peak = largestMagnitude(samples, 0, samples.size());
    EXPECT_GT(peak, 8000);
    EXPECT_LT(peak, 24000);
    if (!loops) {
        EXPECT_EQ(samples.front(), 0);
        EXPECT_LT(largestMagnitude(samples, 0, edge / 2), peak / 4);
        EXPECT_LT(largestMagnitude(samples, samples.size() - edge, samples.size()), peak / 100);
        EXPECT_LE(std::abs(samples.back()), 1);
        return;
    }
    int largestStep = 0;
    for (std::size_t i = 1; i < samples.size(); ++i) largestStep = std::max(largestStep, std::abs(samples[i] - samples[i - 1]));
    EXPECT_LE(std::abs(samples.front() - samples.back()), largestStep);
}

TEST(DataTool, ListsTheGamesDataFilesAndWritesEachInAFormTheEngineReads)
{
    std::string listed, expected;
    FILE* tool = popen(DATAGEN " --list", "r");
    ASSERT_NE(tool, nullptr);
    for (int c = std::fgetc(tool); c != EOF; c = std::fgetc(tool)) listed.push_back(char(c));
    EXPECT_EQ(pclose(tool), 0);
    for (const Game::DataFile& file : Game::gameDataFiles()) {
        expected += std::string(file.path) + "\n";
        const std::string path = inRunFolder(file.path);
        SCOPED_TRACE(path);
        switch (file.kind) {
        case DataKind::Image:
        case DataKind::FontPage: EXPECT_GT(readImageFile(path).width, 0u); break;
        case DataKind::StaticMesh: EXPECT_FALSE(Mesh::readMeshFile(path)->isSkinned()); break;
        case DataKind::SkinnedMesh: EXPECT_TRUE(Mesh::readMeshFile(path)->isSkinned()); break;
        case DataKind::Skeleton: EXPECT_FALSE(readSkeletonFile(path)->nodes.empty()); break;
        case DataKind::AnimationClip: EXPECT_FALSE(readAnimationFile(path)->channels.empty()); break;
        case DataKind::Sound:
        case DataKind::SoundLoop: expectPleasantSound(path, file.kind == DataKind::SoundLoop); break;
        case DataKind::FontDescription: {
            const FontData font = FontReader::readFileChecked(path);
            EXPECT_EQ("./data/fonts/" + font.pages.at(0), Game::DataFiles::fontPage.path);
            for (int c = ' '; c < 127; ++c) EXPECT_EQ(font.glyphs.count(c), 1u) << "glyph " << char(c);
        }
        }
    }
    EXPECT_EQ(listed, expected);
}

TEST(DataTool, TheCharactersBonesAndChannelsNameNodesOfItsSkeleton)
{
    const auto skeleton = readSkeletonFile(inRunFolder(Game::DataFiles::skeleton.path));
    const auto mesh = Mesh::readMeshFile(inRunFolder(Game::DataFiles::characterMesh.path));
    const auto clip = readAnimationFile(inRunFolder(Game::DataFiles::runningClip.path));
    for (const Mesh::MeshFileBone& bone : mesh->bones) EXPECT_EQ(skeleton->nodeMapping.count(bone.name), 1u) << bone.name;
    for (const AnimationChannel& channel : clip->channels)
        EXPECT_EQ(skeleton->nodeMapping.count(channel.nodeName), 1u) << channel.nodeName;
    for (const Mesh::VertexBoneData& data : mesh->boneData)
        EXPECT_NEAR(data.weights[0] + data.weights[1] + data.weights[2] + data.weights[3], 1.0f, 1e-4f);
}

} // namespace

// The data tool's output in the run folder the build fills: the files the
// game loads, each in a form the engine's readers take, and a character whose
// mesh, skeleton and clip agree with each other.
#include "Engine/Animation/AnimationFile.h"
#include "Engine/Animation/SkeletonFile.h"
#include "Engine/Font/FontReader.h"
#include "Engine/Graphics/ImageFile.h"
#include "Engine/Mesh/MeshFile.h"
#include "Game/Resources/DataFiles.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace {

using namespace Engine::GFX;
using Game::DataKind;

std::string inRunFolder(const char* path)
{
    return std::string(GAME_RUN_DIR) + "/" + path;
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

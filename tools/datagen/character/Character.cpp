#include "tools/datagen/character/Character.h"

#include <filesystem>
#include <fstream>
#include <stdexcept>

#include "Engine/Animation/AnimationFile.h"
#include "Engine/Animation/SkeletonFile.h"
#include "Engine/Mesh/MeshFile.h"
#include "tools/datagen/art/Art.h"
#include "tools/datagen/character/CharacterMesh.h"
#include "tools/datagen/character/FontBaker.h"
#include "tools/datagen/character/Humanoid.h"
#include "tools/datagen/character/RunningClip.h"

namespace DataGen {

namespace {

const std::string fontSource = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";
// Texts are drawn one font pixel per screen pixel; 24 px reads well on 1280 x 720.
constexpr int fontPixelSize = 24;
void writeText(const std::string& path, const std::string& text)
{
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file << text;
    file.close();
    if (!file) {
        throw std::runtime_error(path + ": cannot write the file");
    }
}

} // namespace

void writeCharacter(const std::string& runDir)
{
    using namespace Game::DataFiles;
    Engine::GFX::Mesh::writeMeshFile(outputPath(runDir, characterMesh), buildCharacterMesh());
    Engine::GFX::writeSkeletonFile(outputPath(runDir, skeleton), Humanoid::buildSkeleton());
    Engine::GFX::writeAnimationFile(outputPath(runDir, runningClip), RunningClip::buildRunningClip());
}

void writeFont(const std::string& runDir)
{
    using namespace Game::DataFiles;
    const FontBaker::BakedFont font = FontBaker::bake(fontSource, fontPixelSize);
    // The description names its page relative to its own folder.
    FontBaker::savePage(font, outputPath(runDir, fontPage));
    const std::string pageFile = std::filesystem::path(fontPage.path).filename().string();
    writeText(outputPath(runDir, fontDescription), FontBaker::describe(font, pageFile));
}

} // namespace DataGen

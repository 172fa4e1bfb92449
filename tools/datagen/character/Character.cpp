#include "tools/datagen/character/Character.h"

#include <filesystem>
#include <fstream>
#include <stdexcept>

#include "Engine/Animation/AnimationFile.h"
#include "Engine/Animation/SkeletonFile.h"
#include "Engine/Mesh/MeshFile.h"
#include "tools/datagen/character/CharacterMesh.h"
#include "tools/datagen/character/FontBaker.h"
#include "tools/datagen/character/Humanoid.h"
#include "tools/datagen/character/RunningClip.h"

namespace DataGen {

namespace {

const std::string fontSource = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";
// Texts are drawn one font pixel per screen pixel; 24 px reads well on 1280 x 720.
constexpr int fontPixelSize = 24;
const std::string fontName = "engine_font";

std::string makeFolder(const std::string& runDataDir, const std::string& name)
{
    const std::filesystem::path folder = std::filesystem::path(runDataDir) / name;
    std::filesystem::create_directories(folder);
    return folder.string() + "/";
}

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

void writeCharacter(const std::string& runDataDir)
{
    Engine::GFX::Mesh::writeMeshFile(makeFolder(runDataDir, "models") + "animation.camesh", buildCharacterMesh());
    Engine::GFX::writeSkeletonFile(makeFolder(runDataDir, "skeletons") + "animation.cskel", Humanoid::buildSkeleton());
    Engine::GFX::writeAnimationFile(makeFolder(runDataDir, "animations") + "animation_running.canim",
                                    RunningClip::buildRunningClip());
}

void writeFont(const std::string& runDataDir)
{
    const std::string folder = makeFolder(runDataDir, "fonts");
    const FontBaker::BakedFont font = FontBaker::bake(fontSource, fontPixelSize);
    const std::string pageFile = fontName + ".png";
    FontBaker::savePage(font, folder + pageFile);
    writeText(folder + fontName + ".fnt", FontBaker::describe(font, pageFile));
}

} // namespace DataGen

#include "tools/datagen/art/Art.h"

#include <filesystem>

#include "Engine/Mesh/MeshFile.h"
#include "tools/datagen/art/AxisGizmo.h"
#include "tools/datagen/art/PngFile.h"
#include "tools/datagen/art/SkyBox.h"
#include "tools/datagen/art/SurfaceTextures.h"
#include "tools/datagen/art/ToolIcons.h"
#include "tools/datagen/art/UiImages.h"

namespace DataGen {

void writeArt(const std::string& runDir)
{
    using namespace Game::DataFiles;
    Engine::GFX::Mesh::writeMeshFile(outputPath(runDir, editorAxisMesh), makeAxisGizmoMesh());

    savePng(makeGridImage(), outputPath(runDir, grid));
    savePng(makeDefaultImage(), outputPath(runDir, defaultImage));
    savePng(makeHexagonImage(), outputPath(runDir, hexagon));
    savePng(makeSkyBoxImage(), outputPath(runDir, skyBox));
    savePng(makeCrosshairImage(), outputPath(runDir, crosshair));

    savePng(makeTestBoxImage(), outputPath(runDir, testBox));
    savePng(makeButtonImage(ButtonLook::normal), outputPath(runDir, button));
    savePng(makeButtonImage(ButtonLook::pressed), outputPath(runDir, buttonPressed));
    savePng(makeButtonImage(ButtonLook::hover), outputPath(runDir, buttonHover));
    savePng(makeWhiteImage(), outputPath(runDir, white));
    savePng(makeCursorImage(), outputPath(runDir, mouseCursor));

    for (const Game::EditorTool& tool : Game::editorTools) savePng(makeToolIcon(tool.tool), outputPath(runDir, tool.icon));
}

std::string outputPath(const std::string& runDir, const Game::DataFile& file)
{
    const std::filesystem::path path = std::filesystem::path(runDir) / file.path;
    std::filesystem::create_directories(path.parent_path());
    return path.string();
}

} // namespace DataGen

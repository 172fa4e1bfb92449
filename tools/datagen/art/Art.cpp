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

void writeArt(const std::string& runDataDir)
{
    const std::filesystem::path data(runDataDir);
    const std::filesystem::path textures = data / "textures";
    const std::filesystem::path ui = textures / "ui";
    const std::filesystem::path editor = ui / "editor";
    std::filesystem::create_directories(data / "models");
    std::filesystem::create_directories(editor);

    Engine::GFX::Mesh::writeMeshFile((data / "models" / "axisEditorMesh.cmesh").string(), makeAxisGizmoMesh());

    savePng(makeGridImage(), (textures / "grid.png").string());
    savePng(makeDefaultImage(), (textures / "default.png").string());
    savePng(makeHexagonImage(), (textures / "hexagon.png").string());
    savePng(makeSkyBoxImage(), (textures / "skybox.png").string());
    savePng(makeCrosshairImage(), (textures / "crosshair.png").string());

    savePng(makeTestBoxImage(), (ui / "testBox.png").string());
    savePng(makeButtonImage(ButtonLook::normal), (ui / "button.png").string());
    savePng(makeButtonImage(ButtonLook::pressed), (ui / "button_down.png").string());
    savePng(makeButtonImage(ButtonLook::hover), (ui / "button_hover.png").string());
    savePng(makeWhiteImage(), (ui / "whitetexture.png").string());
    savePng(makeCursorImage(), (ui / "mouse.png").string());

    savePng(makeToolIcon(EditorTool::create), (editor / "tool_create.png").string());
    savePng(makeToolIcon(EditorTool::translate), (editor / "tool_translate.png").string());
    savePng(makeToolIcon(EditorTool::scale), (editor / "tool_scale.png").string());
    savePng(makeToolIcon(EditorTool::rotate), (editor / "tool_rotate.png").string());
}

} // namespace DataGen

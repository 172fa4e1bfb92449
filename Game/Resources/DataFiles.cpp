#include "Game/Resources/DataFiles.h"

#include "Game/Resources/EditorTools.h"

namespace Game {

const std::vector<DataFile>& gameDataFiles()
{
    using namespace DataFiles;
    static const std::vector<DataFile> files = [] {
        std::vector<DataFile> list{characterMesh, skeleton, runningClip, fontDescription, fontPage, grid, skyBox,
                                   defaultImage, hexagon, crosshair, testBox, button, buttonPressed, buttonHover,
                                   white, mouseCursor};
        for (const EditorTool& tool : editorTools) list.push_back(tool.icon);
        list.push_back(editorAxisMesh);
        list.insert(list.end(), {footstepSound, jumpSound, landingSound, ropeFireSound, ropeCatchSound,
                                 ropeReleaseSound, windLowSound, windMiddleSound, windHighSound, menuHoverSound,
                                 menuClickSound, editorPlaceSound, editorDeleteSound, editorUndoSound,
                                 checkpointSound, finishSound, newRecordSound});
        return list;
    }();
    return files;
}

const EditorTool& editorToolOf(Tool tool)
{
    for (const EditorTool& row : editorTools) {
        if (row.tool == tool) return row;
    }
    return editorTools[0];
}

} // namespace Game

#include "Game/Resources/DataFiles.h"

namespace Game {

const std::vector<DataFile>& gameDataFiles()
{
    using namespace DataFiles;
    static const std::vector<DataFile> files{
        characterMesh, skeleton, runningClip, fontDescription, fontPage, grid, skyBox, defaultImage,
        hexagon, crosshair, testBox, button, buttonPressed, buttonHover, white, mouseCursor,
        createTool, translateTool, scaleTool, rotateTool, editorAxisMesh,
        footstepSound, jumpSound, landingSound, ropeFireSound, ropeCatchSound, ropeReleaseSound,
        windLowSound, windMiddleSound, windHighSound, menuHoverSound, menuClickSound,
        editorPlaceSound, editorDeleteSound, editorUndoSound, checkpointSound, finishSound, newRecordSound,
    };
    return files;
}

} // namespace Game

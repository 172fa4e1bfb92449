#include "Game/Controller/EditorBinding.h"

#include "Game/Editor/EditorEditing.h"
#include "Game/Editor/EditorPicking.h"
#include "Game/Editor/EditorToolbar.h"
#include "Game/Resources/GameContext.h"
#include "Game/Resources/GameResources.h"
#include "Game/Resources/GameRun.h"
#include "Game/UI/InputSwitch.h"
#include "Game/UI/MenuController.h"

namespace Game {

uint8_t GameEditorPlatform::readAxisId(int32_t x, int32_t y)
{
    return readPickingRed(game.resources->pickingFBO->framebuffer, x, y);
}

void GameEditorPlatform::showPauseMenu()
{
    game.menuController->showEditorPauseMenu();
}

void GameEditorPlatform::hidePauseMenu()
{
    game.menuController->hidePauseMenu();
}

void GameEditorPlatform::showToolbar(const ToolbarView& view)
{
    Game::showToolbar(view, *game.menu, *game.world, *game.resources, glm::vec2(run.windowSize));
}

void GameEditorPlatform::askLevelName()
{
    UI::setEditorCameraInputEnabled(*game.world, run.cameras.editorCamera, false);
    const std::string initial = run.levelName ? run.levelName->text() : "";
    game.menuController->askLevelName(initial, [this](const LevelName& name) { saveAs(name, false); },
                                      [this] { endPrompt(); });
}

void GameEditorPlatform::saveAs(const LevelName& name, bool replace)
{
    if (!saveLevelAs(game, run, name, replace).taken) {
        endPrompt();
        return;
    }
    game.menuController->askYesNo("Replace " + name.text() + "?", [this, name] { saveAs(name, true); },
                                  [this] { endPrompt(); });
}

void GameEditorPlatform::endPrompt()
{
    UI::setEditorCameraInputEnabled(*game.world, run.cameras.editorCamera, !run.state.paused);
}

void GameEditorPlatform::showSelectionBox(const std::optional<ScreenRect>& box)
{
    Game::showSelectionBox(box, *game.menu, *game.world);
}

void GameEditorPlatform::startPlayTest(const glm::vec3& start, float yaw)
{
    game.menuController->startPlayTest(start, yaw);
}

} // namespace Game

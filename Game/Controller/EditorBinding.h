#pragma once

#include "Game/Editor/EditorPlatform.h"
#include "Game/Level/LevelName.h"

namespace Game {

struct GameContext;
struct GameRun;

// The editor's platform in the running game, made once at start-up: the
// picking read from the resource set's picking target, the menu
// controller's editor pause menu, and the bar drawn into the menu registry
// at the run's window size.
class GameEditorPlatform final : public EditorPlatform {
public:
    GameEditorPlatform(const GameContext& game, GameRun& run) : game(game), run(run) {}

    uint8_t readAxisId(int32_t x, int32_t y) override;
    void showPauseMenu() override;
    void hidePauseMenu() override;
    void showToolbar(const ToolbarView& view) override;
    // The menu's name prompt over the editor, whose camera rests meanwhile;
    // a taken name asks "Replace <name>? Yes / No".
    void askLevelName() override;
    void showSelectionBox(const std::optional<ScreenRect>& box) override;
    void startPlayTest(const glm::vec3& start, float yaw) override;

private:
    void saveAs(const LevelName& name, bool replace);
    void endPrompt();

    const GameContext& game;
    GameRun& run;
};

} // namespace Game

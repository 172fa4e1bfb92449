#pragma once

#include "Game/Editor/EditorPlatform.h"

namespace Game {

struct GameContext;
struct GameRun;

// The editor's platform in the running game, made once at start-up: the
// picking read from the resource set's picking target, the menu
// controller's editor pause menu, and the bar drawn into the menu registry
// at the run's window size.
class GameEditorPlatform final : public EditorPlatform {
public:
    GameEditorPlatform(const GameContext& game, const GameRun& run) : game(game), run(run) {}

    uint8_t readAxisId(int32_t x, int32_t y) override;
    void showPauseMenu() override;
    void hidePauseMenu() override;
    void showToolbar(const ToolbarView& view) override;
    void showSelectionBox(const std::optional<ScreenRect>& box) override;
    void startPlayTest(const glm::vec3& start, float yaw) override;

private:
    const GameContext& game;
    const GameRun& run;
};

} // namespace Game

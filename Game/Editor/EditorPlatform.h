#pragma once

#include <cstdint>
#include <optional>

#include "Game/Editor/ViewMaths.h"

namespace Game {

struct ToolbarView;

// The editor's calls out to the window and the menus, behind an interface so
// that its rules run without a window: the game gives one made once at
// start-up, tests give their own.
class EditorPlatform {
public:
    virtual ~EditorPlatform() = default;

    // The red byte of the last picking pass at a GL window position.
    virtual uint8_t readAxisId(int32_t x, int32_t y) = 0;
    virtual void showPauseMenu() = 0;
    virtual void hidePauseMenu() = 0;
    virtual void showToolbar(const ToolbarView& view) = 0;
    // A prompt for a name to save the level under (Ctrl+S on a level without
    // one, Ctrl+Shift+S); the platform saves with saveLevelAs.
    virtual void askLevelName() = 0;
    // The rectangle of a box selection in GL window pixels; none hides it.
    virtual void showSelectionBox(const std::optional<ScreenRect>& box) { (void)box; }
    // Leaves the editor for a game on the level as it stands, the player at
    // `start` facing `yaw` degrees; the game's F5 comes back.
    virtual void startPlayTest(const glm::vec3& start, float yaw) { (void)start, (void)yaw; }
};

} // namespace Game

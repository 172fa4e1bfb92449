#pragma once

#include <cstdint>
#include <string>

#include <glm/glm.hpp>

#include "Engine/Config/WindowSettings.h"
#include "Game/Level/GameMap.h"
#include "Game/Level/LevelFile.h"
#include "Game/Resources/GameState.h"

namespace Game {

struct EditorState;

// The entities whose cameras the modes look through.
struct CameraEntities {
    uint32_t menuCamera = 0;
    uint32_t player = 0;
    uint32_t editorCamera = 0;
};

// The state of one run of the game, beside its services (GameContext): the
// user's settings, the size every render target has, the mode, the camera
// entities, the level and the editor's state. Owned by the game controller
// and passed by reference.
struct GameRun {
    // As the profile holds them; the size there is the last windowed size
    // the user chose, which a fullscreen mode does not overwrite.
    Engine::WindowSettings settings;
    // The window's drawable size, which the render targets, the viewport,
    // the cameras, the menus and the editor's picking share. Only the
    // window options' resize sets it.
    glm::ivec2 windowSize{0, 0};
    GameState state;
    CameraEntities cameras;
    GameMap map;
    // Kept for the whole run: selections survive leaving the editor.
    EditorState* editor = nullptr;
    std::string levelPath = levelFilePath;
    // The profile the settings are read from and saved to.
    std::string profilePath = Engine::configFilePath;
};

} // namespace Game

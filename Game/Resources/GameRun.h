#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include <glm/glm.hpp>

#include "Engine/Config/WindowSettings.h"
#include "Game/Level/GameMap.h"
#include "Game/Level/LevelFile.h"
#include "Game/Level/LevelLibrary.h"
#include "Game/Race/GhostFile.h"
#include "Game/Race/RecordsFile.h"
#include "Game/Resources/GameState.h"

namespace Game {

struct EditorState;

// The entities whose cameras the modes look through.
struct CameraEntities {
    uint32_t menuCamera = 0;
    uint32_t player = 0;
    uint32_t editorCamera = 0;
};

// The files of the user's profile: the run folder's ./profile, or a test's
// own folder.
struct ProfileFiles {
    std::string settings = Engine::configFilePath;
    std::string levelFolder = levelFolderPath;
    // Where the level was kept before the level folder; moved in at start.
    std::string oldLevel = levelFilePath;
    std::string records = recordsFilePath;
    std::string ghosts = ghostFolder;

    // Every file in `folder`, named as in ./profile.
    static ProfileFiles in(const std::string& folder)
    {
        return {folder + "/config.cfg", folder + "/levels", folder + "/level.cfg", folder + "/records.cfg",
                folder + "/ghosts"};
    }
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
    ProfileFiles files;
    // The saved level being played or edited: none for the generated level
    // or a new one not saved yet.
    std::optional<LevelName> levelName;
    // The file Ctrl+S writes, the named level's; empty while it has no name.
    std::string levelPath;

    // A level chosen in a menu. The game controller builds it before the
    // next step's systems run, then starts the mode.
    struct LevelChoice {
        LevelEntry entry;
        bool empty = false; // a new level: no blocks, no name
        uint32_t mode = GameState::modeSingleplayer;
    };
    std::optional<LevelChoice> chosenLevel;

    LevelLibrary levels() const { return LevelLibrary(files.levelFolder, maxLevelBlocks); }
};

} // namespace Game

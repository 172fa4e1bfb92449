#pragma once

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <memory>
#include <string>

#include <glm/glm.hpp>

#include "Engine/Core/GameEngine.h"
#include "Engine/ECS/EntityManager.h"
#include "Game/Resources/GameContext.h"
#include "Game/Resources/GameResources.h"
#include "Game/Resources/GameRun.h"
#include "Game/Resources/GameState.h"
#include "Game/UI/DisplayOptions.h"
#include "Game/UI/Menu.h"
#include "Game/UI/MenuPlatform.h"

namespace UI {

// Builds and removes the main menu, the Options menu and the two pause
// menus, and carries out their buttons' actions, which move the game between
// its modes. Every element it makes is recorded in the Menu registry under its
// name ("Singleplayer", "Map-Editor", "Options", "GameEnd", "Options_Resolution",
// "Options_Fullscreen", "Options_VSync", "Options_TextureFiltering",
// "Options_MouseSpeed", "Options_Back", "Resume_Game", "Resume_Editor",
// "Back_to_menu", and the editor bar "background").
class MenuController {
public:
    // Both records must outlive the controller; the run's camera entities
    // must exist. Menus are laid out for the run's window size. The platform
    // defaults to SDL on the engine's window.
    MenuController(const Game::GameContext& game, Game::GameRun& run, std::unique_ptr<MenuPlatform> platform = nullptr);

    // "Singleplayer", "Map-Editor", "Options", "End Game".
    void showMainMenu();
    // One row per setting, labelled with its value, and "Back"; needs options.
    void showOptionsMenu();
    // "Resume", "Back to menu" for a running game ("Resume", "Back to editor"
    // in a play-test); for the editor also "New level", "Open level" and, when
    // the level has a name, "Rename" and "Delete" (to the level folder's trash,
    // after "Delete <name>?").
    void showGamePauseMenu();
    void showEditorPauseMenu();
    // Removes whichever pause buttons are shown; other elements stay.
    void hidePauseMenu();
    // Builds what is shown again at the run's window size, after a resize:
    // the menu on screen and, in the editor, its bar (the tool bar's icons
    // come back with the editor's next step).
    void relayout();

    // The level list: "Generated", the saved levels by name ("(damaged)"
    // after one that cannot be opened), "New level" for the editor, "Back";
    // as many rows as fit the window from the first shown one on. Choosing a
    // level sets the run's chosenLevel; a damaged one shows its problem above.
    void showLevelList(uint32_t mode);
    // The wheel moves the list one row per notch.
    void scrollLevelList(int32_t notches);
    // A text field for a level name, its rule checked as one types; Enter
    // with a valid name calls onName, Escape calls onCancel; either closes it.
    void askLevelName(const std::string& initial, std::function<void(const Game::LevelName&)> onName,
                      std::function<void()> onCancel);
    // "<question> Yes / No": a line and two buttons; either closes it.
    void askYesNo(const std::string& question, std::function<void()> onYes, std::function<void()> onNo);
    // Removes a name prompt or question.
    void closeDialog();

    // The button actions.
    void startGame();
    void startEditor();
    // Singleplayer and Map-Editor: the level list when a level is saved,
    // else the current level at once.
    void openSingleplayer();
    void openEditor();
    void newEditorLevel();
    void openEditorLevel();
    void renameEditorLevel();
    void deleteEditorLevel();
    // A game on the level as the editor holds it, the player standing at
    // `start` and facing `yaw` degrees; backToEditor() ends it.
    void startPlayTest(const glm::vec3& start, float yaw);
    void backToEditor();
    void endProgram();
    void resumeGame();
    void gameToMenu();
    void resumeEditor();
    void editorToMenu();
    void openOptions();
    void optionsToMenu();
    // Moves the row's setting on and shows the menu again, relabelled and
    // laid out for the window as it is now.
    void changeOption(const OptionRow& row);

    // The way out of the menu shown (B on the pad, Escape in Options): from
    // Options to the main menu, from a pause menu back to the game or the
    // editor; nothing in the main menu.
    void back();
    bool optionsShown() const;

    // Escape during play: pause with the mouse freed and centred and the
    // player's input off. resumeGame() is the way back.
    void pauseGame();

    // Taken from the two records.
    Engine::GameEngine* engine;
    Engine::ECS::EntityManager* world;
    Game::GameResources* resources;
    Menu* menu;
    Game::GameState* gameState;
    uint32_t playerEntity;
    uint32_t editorCameraEntity;
    uint32_t menuCameraEntity;
    std::unique_ptr<MenuPlatform> platform;
    // The settings the Options menu changes; set by the game before use.
    DisplayOptions* options = nullptr;

private:
    using Action = void (MenuController::*)();
    void placePlayer(const glm::vec3& start, float yaw);
    enum class Shown { None, Main, Options, GamePause, EditorPause, Levels };

    struct Button {
        const char* name;
        const char* label;
        Action action; // nullptr: the button does not react to the mouse
    };

    void showButtons(std::initializer_list<Button> buttons);
    void addButton(const Button& button, glm::ivec2 corner, glm::ivec2 size);
    void addButton(const std::string& name, const std::string& label, std::function<void()> action,
                   glm::ivec2 corner, glm::ivec2 size);
    void enterRelativeMouseMode();
    void resetPlayerMotion();
    void showEditorBar();
    void chooseLevel(const Game::LevelEntry& entry, bool empty);
    void listBack();
    void renameLevel(const Game::LevelName& name, bool replace);
    void deleteLevel(const Game::LevelName& name);
    void addLine(const std::string& name, const std::string& text, int32_t row);
    glm::ivec2 buttonSize() const;

    Game::GameRun& run;
    Shown shown = Shown::None;
    // The level list's mode, first row shown and the problem on its line.
    uint32_t levelListMode = Game::GameState::modeSingleplayer;
    int32_t firstListRow = 0;
    std::string listMessage;
};

} // namespace UI

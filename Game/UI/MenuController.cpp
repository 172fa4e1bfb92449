#include "Game/UI/MenuController.h"

#include <algorithm>
#include <iterator>
#include <utility>

#include "Engine/Base/DataFileError.h"
#include "Engine/Base/Log.h"
#include "Engine/Base/Assert.h"
#include "Engine/Core/MouseState.h"
#include "Game/Physics/CharacterControllerComponent.h"
#include "Game/Race/RaceTimer.h"
#include "Game/Race/RecordsFile.h"
#include "Game/Scene/CameraModificationComponent.h"
#include "Game/Scene/TransformComponent.h"
#include "Game/UI/InputSwitch.h"
#include "Game/UI/MenuElements.h"
#include "Game/UI/MenuLayout.h"
#include "Game/UI/UIComponents.h"

namespace UI {

using Game::GameState;

namespace {

constexpr const char* resumeGameName = "Resume_Game";
constexpr const char* resumeEditorName = "Resume_Editor";
constexpr const char* backToMenuName = "Back_to_menu";
constexpr const char* backToEditorName = "Back_to_editor";
constexpr const char* editorBarName = "background";
constexpr const char* optionsBackName = "Options_Back";
constexpr const char* levelListNewName = "Levels_New";
constexpr const char* newLevelName = "Editor_New_level";
constexpr const char* openLevelName = "Editor_Open_level";
constexpr const char* renameLevelName = "Editor_Rename";
constexpr const char* deleteLevelName = "Editor_Delete";
constexpr const char* levelListBackName = "Levels_Back";
constexpr const char* levelListMessageName = "Levels_Message";
constexpr const char* dialogLineName = "Dialog_Line";
constexpr const char* dialogFieldName = "Dialog_Name";
constexpr const char* dialogYesName = "Dialog_Yes";
constexpr const char* dialogNoName = "Dialog_No";
// The text lines above a list or dialog are this much wider than a button.
constexpr int32_t lineExtraWidth = 400;
constexpr int32_t optionsExtraWidth = 64;

constexpr float editorBarHeight = 64.0f;
const glm::vec4 buttonColour(1.0f, 1.0f, 1.0f, 1.0f);
const glm::vec4 editorBarColour(0.0f, 0.0f, 0.0f, 1.0f);
const glm::vec4 lineColour(0.0f, 0.0f, 0.0f, 0.8f);

} // namespace

MenuController::MenuController(const Game::GameContext& game, Game::GameRun& run,
                               std::unique_ptr<MenuPlatform> platform)
    : engine(game.engine)
    , world(game.world)
    , resources(game.resources)
    , menu(game.menu)
    , gameState(&run.state)
    , playerEntity(run.cameras.player)
    , editorCameraEntity(run.cameras.editorCamera)
    , menuCameraEntity(run.cameras.menuCamera)
    , platform(platform != nullptr ? std::move(platform) : std::make_unique<SdlMenuPlatform>(game.engine))
    , run(run)
{
}

// ---- menus ---------------------------------------------------------------------

void MenuController::showMainMenu()
{
    shown = Shown::Main;
    showButtons({{"Singleplayer", "Singleplayer", &MenuController::openSingleplayer},
                 {"Map-Editor", "Map-Editor", &MenuController::openEditor},
                 {"Options", "Options", &MenuController::openOptions},
                 {"GameEnd", "End Game", &MenuController::endProgram}});
}

void MenuController::showOptionsMenu()
{
    GAME_ASSERT(options != nullptr);
    shown = Shown::Options;
    const glm::ivec2 windowSize = run.windowSize;
    // "Resolution: 1920 x 1080" is longer than any main menu label.
    const glm::ivec2 buttonSize(resources->buttonTexture->width + optionsExtraWidth, resources->buttonTexture->height);
    const std::vector<OptionRow>& rows = optionRows();
    const int32_t rowCount = static_cast<int32_t>(rows.size()) + 1;
    auto corner = [&](int32_t row) { return menuColumnCorner(windowSize, buttonSize, row, rowCount); };
    int32_t row = 0;
    for (const OptionRow& option : rows) {
        addButton(option.element, options->label(option), [this, &option] { changeOption(option); }, corner(row),
                  buttonSize);
        ++row;
    }
    addButton({optionsBackName, "Back", &MenuController::optionsToMenu}, corner(row), buttonSize);
}

void MenuController::showGamePauseMenu()
{
    shown = Shown::GamePause;
    if (gameState->playTest) {
        showButtons({{resumeGameName, "Resume", &MenuController::resumeGame},
                     {backToEditorName, "Back to editor", &MenuController::backToEditor}});
        return;
    }
    showButtons({{resumeGameName, "Resume", &MenuController::resumeGame},
                 {backToMenuName, "Back to menu", &MenuController::gameToMenu}});
}

void MenuController::showEditorPauseMenu()
{
    shown = Shown::EditorPause;
    if (run.levelName) {
        showButtons({{resumeEditorName, "Resume", &MenuController::resumeEditor},
                     {backToMenuName, "Back to menu", &MenuController::editorToMenu},
                     {newLevelName, "New level", &MenuController::newEditorLevel},
                     {openLevelName, "Open level", &MenuController::openEditorLevel},
                     {renameLevelName, "Rename", &MenuController::renameEditorLevel},
                     {deleteLevelName, "Delete", &MenuController::deleteEditorLevel}});
        return;
    }
    showButtons({{resumeEditorName, "Resume", &MenuController::resumeEditor},
                 {backToMenuName, "Back to menu", &MenuController::editorToMenu},
                 {newLevelName, "New level", &MenuController::newEditorLevel},
                 {openLevelName, "Open level", &MenuController::openEditorLevel}});
}

void MenuController::hidePauseMenu()
{
    if (shown == Shown::Levels) { // the editor's level list, left with Escape
        menu->clear();
        showEditorBar();
    }
    shown = Shown::None;
    for (const char* name : {resumeGameName, resumeEditorName, backToMenuName, newLevelName, openLevelName,
                             renameLevelName, deleteLevelName, backToEditorName}) {
        if (menu->count(name) == 1) {
            menu->remove(name);
        }
    }
}

void MenuController::relayout()
{
    const Shown again = shown;
    menu->clear();
    if (gameState->mode == GameState::modeMapEditor) showEditorBar();
    switch (again) {
    case Shown::Main: showMainMenu(); break;
    case Shown::Options: showOptionsMenu(); break;
    case Shown::GamePause: showGamePauseMenu(); break;
    case Shown::EditorPause: showEditorPauseMenu(); break;
    case Shown::Levels: showLevelList(levelListMode); break;
    case Shown::None: break;
    }
}

void MenuController::showButtons(std::initializer_list<Button> buttons)
{
    const glm::ivec2 windowSize = run.windowSize;
    const glm::ivec2 buttonSize(resources->buttonTexture->width, resources->buttonTexture->height);
    int32_t row = 0;
    for (const Button& button : buttons) {
        addButton(button, menuButtonCorner(windowSize, buttonSize, row++), buttonSize);
    }
}

void MenuController::addButton(const Button& button, glm::ivec2 corner, glm::ivec2 size)
{
    std::function<void()> action;
    if (button.action != nullptr) {
        const Action member = button.action;
        action = [this, member] { (this->*member)(); };
    }
    addButton(button.name, button.label, std::move(action), corner, size);
}

// Without an action the button does not react to the mouse.
void MenuController::addButton(const std::string& name, const std::string& label, std::function<void()> action,
                               glm::ivec2 corner, glm::ivec2 size)
{
    const uint32_t entity = makeButtonElement(*world, static_cast<float>(corner.x), static_cast<float>(corner.y),
                                              static_cast<float>(size.x), static_cast<float>(size.y),
                                              resources->buttonTexture.get(), buttonColour, resources->font.get(),
                                              label);
    if (action) {
        world->addComponent(entity, Component::UIclickableComponent(std::move(action),
                                                                    resources->buttonHoverTexture.get(),
                                                                    resources->buttonPressedTexture.get()));
    }
    menu->add(name, entity);
}

// ---- levels and dialogs ------------------------------------------------------------

namespace {

// The level's name and, when the records hold a run on it, the best time.
std::string labelWithRecord(const Game::LevelEntry& entry, const Game::RecordBook& records)
{
    if (entry.generated() || entry.damaged()) return entry.label();
    const std::optional<Game::RaceRecord> best = records.best(Game::levelHash(Game::formatLevel(entry.blocks)));
    return best ? entry.label() + "  " + Game::formatRaceTime(best->steps) : entry.label();
}

} // namespace

void MenuController::showLevelList(uint32_t mode)
{
    if (shown != Shown::Levels || levelListMode != mode) firstListRow = 0;
    menu->clear();
    if (gameState->mode == GameState::modeMapEditor) showEditorBar();
    shown = Shown::Levels;
    levelListMode = mode;
    struct Row {
        std::string name, label;
        std::function<void()> action;
    };
    std::vector<Row> rows;
    Game::RecordBook records(run.files.records);
    records.load();
    int32_t index = 0;
    for (const Game::LevelEntry& entry : run.levels().list()) {
        rows.push_back({"Level_" + std::to_string(index++), labelWithRecord(entry, records),
                        [this, entry] { chooseLevel(entry, false); }});
    }
    if (mode == GameState::modeMapEditor) rows.push_back({levelListNewName, "New level", [this] { chooseLevel({}, true); }});
    rows.push_back({levelListBackName, "Back", [this] { listBack(); }});
    const int32_t fitting = std::max(1, listRowsFitting(run.windowSize, buttonSize()));
    firstListRow = std::clamp(firstListRow, 0, std::max(0, static_cast<int32_t>(rows.size()) - fitting));
    if (!listMessage.empty()) addLine(levelListMessageName, listMessage, -1);
    for (int32_t row = 0; row < fitting && firstListRow + row < static_cast<int32_t>(rows.size()); ++row) {
        const Row& shownRow = rows[static_cast<std::size_t>(firstListRow + row)];
        addButton(shownRow.name, shownRow.label, shownRow.action, menuButtonCorner(run.windowSize, buttonSize(), row),
                  buttonSize());
    }
}

void MenuController::scrollLevelList(int32_t notches)
{
    if (shown != Shown::Levels || notches == 0 || gameState->dialogOpen) return;
    firstListRow -= notches;
    showLevelList(levelListMode);
}

void MenuController::askLevelName(const std::string& initial, std::function<void(const Game::LevelName&)> onName,
                                  std::function<void()> onCancel)
{
    closeDialog();
    gameState->dialogOpen = true;
    addLine(dialogLineName, "Level name:", -1);
    const glm::ivec2 corner = menuButtonCorner(run.windowSize, buttonSize(), 0);
    const uint32_t field = makeButtonElement(*world, static_cast<float>(corner.x), static_cast<float>(corner.y),
                                             static_cast<float>(buttonSize().x), static_cast<float>(buttonSize().y),
                                             resources->buttonTexture.get(), buttonColour, resources->font.get(),
                                             initial);
    auto accept = [this, onName](const std::string& text) {
        const Game::LevelName::Check check = Game::LevelName::check(text);
        closeDialog();
        onName(check.name());
    };
    auto cancel = [this, onCancel] {
        closeDialog();
        onCancel();
    };
    world->addComponent(field, Component::UITextFieldComponent(TextField(Game::LevelName::problem, initial),
                                                               accept, cancel));
    menu->add(dialogFieldName, field);
}

void MenuController::askYesNo(const std::string& question, std::function<void()> onYes, std::function<void()> onNo)
{
    closeDialog();
    gameState->dialogOpen = true;
    addLine(dialogLineName, question, -1);
    addButton(dialogYesName, "Yes", [this, onYes] { closeDialog(); onYes(); },
              menuButtonCorner(run.windowSize, buttonSize(), 0), buttonSize());
    addButton(dialogNoName, "No", [this, onNo] { closeDialog(); onNo(); },
              menuButtonCorner(run.windowSize, buttonSize(), 1), buttonSize());
}

void MenuController::closeDialog()
{
    gameState->dialogOpen = false;
    for (const char* name : {dialogLineName, dialogFieldName, dialogYesName, dialogNoName}) {
        if (menu->count(name) == 1) menu->remove(name);
    }
}

void MenuController::chooseLevel(const Game::LevelEntry& entry, bool empty)
{
    if (entry.damaged()) {
        listMessage = entry.name->text() + ": " + entry.damage;
        Engine::logError(std::string("LEVEL FILE ") + Engine::DataFileError(run.levels().pathOf(*entry.name), entry.damage).what()
                         + "; it is not opened");
        showLevelList(levelListMode);
        return;
    }
    listMessage.clear();
    run.chosenLevel = Game::GameRun::LevelChoice{entry, empty, levelListMode};
}

void MenuController::listBack()
{
    listMessage.clear();
    if (gameState->mode == GameState::modeMapEditor) {
        menu->clear();
        shown = Shown::None;
        showEditorBar();
        showEditorPauseMenu();
        return;
    }
    optionsToMenu();
}

// ---- button actions --------------------------------------------------------------

void MenuController::newEditorLevel()
{
    levelListMode = GameState::modeMapEditor;
    chooseLevel({}, true);
}

void MenuController::openEditorLevel()
{
    showLevelList(GameState::modeMapEditor);
}

void MenuController::renameEditorLevel()
{
    hidePauseMenu();
    askLevelName(run.levelName->text(), [this](const Game::LevelName& name) { renameLevel(name, false); },
                 [this] { showEditorPauseMenu(); });
}

void MenuController::renameLevel(const Game::LevelName& name, bool replace)
{
    const Game::LevelLibrary levels = run.levels();
    const Game::LevelChange change = levels.rename(*run.levelName, name, replace);
    if (change.taken) {
        askYesNo("Replace " + name.text() + "?", [this, name] { renameLevel(name, true); },
                 [this] { showEditorPauseMenu(); });
        return;
    }
    if (change.status.ok()) {
        Engine::log("Renamed " + run.levelName->text() + " to " + name.text());
        run.levelName = name;
        run.levelPath = levels.pathOf(name);
    } else {
        Engine::logError("RENAME FAILED: " + change.status.message());
    }
    showEditorPauseMenu();
}

void MenuController::deleteEditorLevel()
{
    hidePauseMenu();
    const Game::LevelName name = *run.levelName;
    askYesNo("Delete " + name.text() + "?", [this, name] { deleteLevel(name); }, [this] { showEditorPauseMenu(); });
}

// The blocks stay in the editor, now a level without a name.
void MenuController::deleteLevel(const Game::LevelName& name)
{
    const Game::LevelLibrary levels = run.levels();
    const Game::LevelChange change = levels.remove(name);
    if (change.status.ok()) {
        Engine::log("Deleted " + name.text() + ": moved to " + levels.trashFolder());
        run.levelName.reset();
        run.levelPath.clear();
    } else {
        Engine::logError("DELETE FAILED: " + change.status.message());
    }
    showEditorPauseMenu();
}

void MenuController::openSingleplayer()
{
    if (run.levels().list().size() > 1) showLevelList(GameState::modeSingleplayer);
    else startGame();
}

void MenuController::openEditor()
{
    if (run.levels().list().size() > 1) showLevelList(GameState::modeMapEditor);
    else startEditor();
}

void MenuController::startGame()
{
    gameState->uiVisible = false;
    enterRelativeMouseMode();
    gameState->mode = GameState::modeSingleplayer;
    menu->clear();
    shown = Shown::None;
    resetPlayerMotion();
    setPlayerInputEnabled(*world, playerEntity, true);
}

void MenuController::startEditor()
{
    gameState->uiVisible = true;
    gameState->paused = false;
    gameState->mode = GameState::modeMapEditor;
    menu->clear();
    shown = Shown::None;
    showEditorBar();
    setEditorCameraInputEnabled(*world, editorCameraEntity, true);
}

void MenuController::startPlayTest(const glm::vec3& start, float yaw)
{
    gameState->playTest = true;
    startGame();
    placePlayer(start, yaw);
}

void MenuController::backToEditor()
{
    gameState->paused = false;
    gameState->playTest = false;
    platform->setRelativeMouseMode(false);
    setPlayerInputEnabled(*world, playerEntity, false);
    startEditor();
}

void MenuController::endProgram()
{
    engine->quit = true;
}

void MenuController::resumeGame()
{
    gameState->paused = false;
    enterRelativeMouseMode();
    gameState->uiVisible = false;
    hidePauseMenu();
    setPlayerInputEnabled(*world, playerEntity, true);
}

void MenuController::gameToMenu()
{
    gameState->paused = false;
    gameState->uiVisible = true;
    platform->setRelativeMouseMode(false);
    menu->clear();
    showMainMenu();
    gameState->mode = GameState::modeMainMenu;
    setPlayerInputEnabled(*world, playerEntity, false);
}

void MenuController::resumeEditor()
{
    gameState->paused = false;
    hidePauseMenu();
    setEditorCameraInputEnabled(*world, editorCameraEntity, true);
}

void MenuController::editorToMenu()
{
    gameToMenu();
    setEditorCameraInputEnabled(*world, editorCameraEntity, false);
}

void MenuController::openOptions()
{
    menu->clear();
    showOptionsMenu();
}

void MenuController::optionsToMenu()
{
    menu->clear();
    showMainMenu();
}

// A new size moves every button, so the whole menu is built again rather
// than only the clicked row relabelled.
void MenuController::changeOption(const OptionRow& row)
{
    options->advance(row);
    menu->clear();
    showOptionsMenu();
}

void MenuController::back()
{
    switch (shown) {
    case Shown::Options: optionsToMenu(); break;
    case Shown::GamePause: resumeGame(); break;
    case Shown::EditorPause: resumeEditor(); break;
    case Shown::Levels: listBack(); break;
    case Shown::Main:
    case Shown::None: break;
    }
}

bool MenuController::optionsShown() const
{
    return shown == Shown::Options;
}

void MenuController::pauseGame()
{
    gameState->paused = true;
    platform->setRelativeMouseMode(false);
    platform->centreMouse();
    gameState->uiVisible = true;
    showGamePauseMenu();
    setPlayerInputEnabled(*world, playerEntity, false);
}

// ---- helpers ----------------------------------------------------------------------

glm::ivec2 MenuController::buttonSize() const
{
    return glm::ivec2(resources->buttonTexture->width, resources->buttonTexture->height);
}

// A text on a dark strip, in the row's place but wider; it does not react to the mouse.
void MenuController::addLine(const std::string& name, const std::string& text, int32_t row)
{
    const glm::ivec2 size = buttonSize() + glm::ivec2(lineExtraWidth, 0);
    const glm::ivec2 corner = menuButtonCorner(run.windowSize, size, row);
    const uint32_t line = makeButtonElement(*world, static_cast<float>(corner.x), static_cast<float>(corner.y),
                                            static_cast<float>(size.x), static_cast<float>(size.y),
                                            resources->whiteTexture.get(), lineColour, resources->font.get(), text);
    menu->add(name, line);
}

void MenuController::showEditorBar()
{
    const glm::vec2 window(run.windowSize);
    const uint32_t bar = makeBackgroundElement(*world, 0.0f, window.y - editorBarHeight, window.x, editorBarHeight,
                                               resources->whiteTexture.get(), editorBarColour);
    menu->add(editorBarName, bar);
}

// The jump of the cursor into relative mode must not turn the camera.
void MenuController::enterRelativeMouseMode()
{
    platform->setRelativeMouseMode(true);
    engine->mouse->resetMotion();
}

// The player's capsule stands on `start`, its view level and turned to yaw.
void MenuController::placePlayer(const glm::vec3& start, float yaw)
{
    if (world->hasComponent<CharacterControllerComponent>(playerEntity)) {
        CharacterControllerComponent& character = world->getComponent<CharacterControllerComponent>(playerEntity);
        const glm::vec3 standing = start + glm::vec3(0.0f, 0.0f, character.height + CharacterControllerComponent::capsuleRadius);
        if (character.controller != nullptr) character.controller->warp(btVector3(standing.x, standing.y, standing.z));
        if (world->hasComponent<TransformComponent>(playerEntity)) {
            TransformComponent& transform = world->getComponent<TransformComponent>(playerEntity);
            transform.position = transform.previousPosition = standing;
        }
    }
    if (world->hasComponent<CameraModificationComponent>(playerEntity)) {
        CameraModificationComponent& view = world->getComponent<CameraModificationComponent>(playerEntity);
        view.yaw = view.previousYaw = yaw;
        view.pitch = view.previousPitch = 0.0f;
    }
}

// A new game starts from rest, whatever the player was doing when it left.
void MenuController::resetPlayerMotion()
{
    if (!world->hasComponent<CharacterControllerComponent>(playerEntity)) {
        return;
    }
    CharacterControllerComponent& character = world->getComponent<CharacterControllerComponent>(playerEntity);
    character.velocity = glm::vec3(0.0f);
    if (character.controller != nullptr) {
        character.controller->stop();
    }
}

} // namespace UI

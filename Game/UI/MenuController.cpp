#include "Game/UI/MenuController.h"

#include <iterator>
#include <utility>

#include "Engine/Base/Assert.h"
#include "Engine/Core/MouseState.h"
#include "Game/Physics/CharacterControllerComponent.h"
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
constexpr int32_t optionsExtraWidth = 64;

constexpr float editorBarHeight = 64.0f;
const glm::vec4 buttonColour(1.0f, 1.0f, 1.0f, 1.0f);
const glm::vec4 editorBarColour(0.0f, 0.0f, 0.0f, 1.0f);

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
    showButtons({{"Singleplayer", "Singleplayer", &MenuController::startGame},
                 {"Map-Editor", "Map-Editor", &MenuController::startEditor},
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
    showButtons({{resumeEditorName, "Resume", &MenuController::resumeEditor},
                 {backToMenuName, "Back to menu", &MenuController::editorToMenu}});
}

void MenuController::hidePauseMenu()
{
    shown = Shown::None;
    for (const char* name : {resumeGameName, resumeEditorName, backToMenuName, backToEditorName}) {
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

// ---- button actions --------------------------------------------------------------

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

#include "Game/Controller/GameController.h"
#include "Game/Physics/BulletConversion.h"

#include <GL/glew.h>
#include <SDL.h>

#include "Engine/Base/DataFileError.h"
#include "Engine/Base/Log.h"
#include "Engine/Core/ApplyWindowSettings.h"
#include "Engine/Core/GameEngine.h"
#include "Engine/Core/KeyboardState.h"
#include "Engine/Core/MouseState.h"
#include "Engine/Core/PadState.h"
#include "Engine/ECS/EntityManager.h"
#include "Game/Audio/MixerOutput.h"
#include "Game/Audio/SoundComponent.h"
#include "Game/Audio/SoundSystem.h"
#include "Game/Audio/InterfaceSoundSystem.h"
#include "Game/Controller/FrameRenderer.h"
#include "Game/Controller/RaceDriver.h"
#include "Game/Controller/RaceHud.h"
#include "Game/Controller/FrameTimeGraph.h"
#include "Game/Controller/GLErrorReport.h"
#include "Game/Resources/GameResources.h"
#include "Game/Controller/GameWorld.h"
#include "Game/Controller/HeldItem.h"
#include "Game/Controller/StepReadouts.h"
#include "Game/Editor/BlockEdits.h"
#include "Game/Controller/WindowOptions.h"
#include "Game/Editor/EditorSelection.h"
#include "Game/Editor/EditorState.h"
#include "Game/Controller/EditorBinding.h"
#include "Game/Editor/MapEditor.h"
#include "Game/Level/GameMap.h"
#include "Game/Level/Level.h"
#include "Game/Level/LevelLibrary.h"
#include "Game/Level/MapGeometry.h"
#include "Game/Physics/CharacterControllerComponent.h"
#include "Game/Physics/CharacterControllerSystem.h"
#include "Game/Physics/CollisionCallbackComponent.h"
#include "Game/Physics/PhysicsMotionStateSystem.h"
#include "Game/Physics/PhysicsWorld.h"
#include "Game/Physics/StaticBodies.h"
#include "Game/Physics/TestCallBack.h"
#include "Game/Physics/TransformToCollissionTransformSystem.h"
#include "Game/Rendering/BulletDebugDrawer_OpenGL.h"
#include "Game/Scene/CameraComponent.h"
#include "Game/Scene/CameraControlComponents.h"
#include "Game/Scene/CameraModificationComponent.h"
#include "Game/Scene/CameraModificationMouseMovementSystem.h"
#include "Game/Scene/CameraModificationStateCopySystem.h"
#include "Game/Scene/CameraMouseShiftMovementSystem.h"
#include "Game/Scene/CameraMouseZoomMovementSystem.h"
#include "Game/Scene/CameraStateCopySystem.h"
#include "Game/Physics/CharacterControllerStateCopySystem.h"
#include "Game/Scene/FreeCamMovementSystem.h"
#include "Game/Scene/MeshComponent.h"
#include "Game/Scene/RotationAnimationSystem.h"
#include "Game/Scene/TransformComponent.h"
#include "Game/Scene/TransformStateCopySystem.h"
#include "Game/UI/DisplayOptions.h"
#include "Game/UI/Menu.h"
#include "Game/UI/MenuNavigator.h"
#include "Game/UI/MenuController.h"
#include "Game/UI/OptionTable.h"
#include "Game/UI/UiLayer.h"

#include <string>

namespace Game {

namespace {

constexpr uint32_t stepMilliseconds = 10;
constexpr int debugDrawOff = 0;

} // namespace

GameController::GameController(Engine::GameEngine* engine, ProfileFiles files) : engine(engine)
{
    gameRun.files = std::move(files);
    Engine::log("GC CREATE");
}

GameController::~GameController() = default;

bool GameController::init()
{
    applyConfiguration();
    physicsWorld = std::make_unique<PhysicsWorld>();
    contacts.clear();
    Engine::log("GC INIT");

    const glm::ivec2 window = WindowOptions::drawableSize(*engine);
    resources = std::make_unique<GameResources>(window.x, window.y, gameRun.settings.maxAnisotropy,
                                                gameRun.settings.renderScale);
    audio = Audio::MixerOutput::open(gameRun.settings.volume);
    createWorld();
    debugDrawer = std::make_unique<DebugDraw::BulletDebugDrawer_OpenGL>(debugDrawOff);
    physicsWorld->getDynamicsWorld()->setDebugDrawer(debugDrawer.get());
    Engine::log("IMGLOAD end");

    uiLayer = std::make_unique<UI::UiLayer>(engine, world.get(), resources.get());
    gameContext.uiLayer = uiLayer.get();
    createHeldItem();
    centreMouse();
    Engine::log("GC INIT END");

    createMenuCamera();
    createEditorCamera();
    createPlayer();
    createLevel();
    createFloor();
    createMenus();
    createRace();
    createFrameRenderer();
    createOptions();
    startClock();
    return true;
}

// The user's window settings: swap interval, fullscreen, size, centred. A
// size is held to what GL can render into, known now that the context exists.
void GameController::applyConfiguration()
{
    GLint largestTarget = 0;
    glGetIntegerv(GL_MAX_RENDERBUFFER_SIZE, &largestTarget);
    gameRun.settings = UI::loadSettings(gameRun.files.settings, largestTarget);
    Engine::applyWindowSettings(gameRun.settings, *engine->window->handle);
}

void GameController::createWorld()
{
    gameContext.engine = engine;
    gameContext.keyboard = engine->keyboard.get();
    gameContext.mouse = engine->mouse.get();
    gameContext.pad = engine->pad.get();
    gameContext.matrices = engine->matrixState;
    gameContext.physicsWorld = physicsWorld.get();
    gameContext.resources = resources.get();
    gameContext.audio = audio.get();
    world = createGameWorld(gameContext);
    gameContext.world = world.get();
}

// Placed on the character's hand by every update step.
void GameController::createHeldItem()
{
    heldItemEntity = world->createEntity();
    world->addComponent(heldItemEntity,
                        MeshComponent(MeshComponent::ordinaryGroup, resources->yellowSphere.get(),
                                      resources->defaultTexture.get()));
    TransformComponent transform(glm::vec3(0.0f), glm::vec3(heldItemScale));
    transform.previousScale = glm::vec3(1.0f);
    world->addComponent(heldItemEntity, transform);
}

void GameController::centreMouse()
{
    SDL_Window* window = engine->window->window;
    int width = 0;
    int height = 0;
    SDL_GetWindowSize(window, &width, &height);
    SDL_GetWindowSize(window, &width, &height);
    SDL_WarpMouseInWindow(window, width / 2, height / 2);
}

void GameController::createMenuCamera()
{
    gameRun.cameras.menuCamera = world->createEntity();
    world->addComponent(gameRun.cameras.menuCamera, CameraComponent(resources->defaultCamera));
}

// Flies with W, A, S, D; looks and pans while the editor holds the right
// and middle buttons; zooms with the wheel.
void GameController::createEditorCamera()
{
    const uint32_t camera = world->createEntity();
    gameRun.cameras.editorCamera = camera;
    world->addComponent(camera, CameraComponent(resources->defaultCamera));
    world->addComponent(camera, CameraModificationComponent());
    world->addComponent(camera, CameraMouseMovementComponent(false));
    world->addComponent(camera, CameraMouseShiftComponent(false));
    world->addComponent(camera, CameraMouseZoomMoveComponent(true));
    world->addComponent(camera, FreeCamMovementComponent(false));
    world->addComponent(camera, TransformComponent(glm::vec3(0.0f)));
}

void GameController::createPlayer()
{
    const uint32_t player = world->createEntity();
    gameRun.cameras.player = player;
    // The player takes input only while a game runs: Start game enables it.
    CharacterControllerComponent character(player, physicsWorld.get());
    character.enabled = false;
    world->addComponent(player, character);
    world->addComponent(player, CameraMouseMovementComponent(false));
    world->addComponent(player, CameraModificationComponent());
    world->addComponent(player, CameraComponent(resources->defaultCamera));
    world->addComponent(player, TransformComponent(glm::vec3(0.0f)));
    world->addComponent(player, Audio::SoundComponent());
    world->addComponent(player, CollisionCallbackComponent(player, std::make_shared<TestCallBack>()));
    Engine::log("Player ID: " + std::to_string(player));
}

// The game starts on the generated level; a level kept where the game kept
// it before the level folder moves into the folder first.
void GameController::createLevel()
{
    const LevelLibrary::Adoption moved = gameRun.levels().adoptLegacyLevel(gameRun.files.oldLevel);
    if (moved.failed) Engine::logError(moved.line);
    else if (!moved.line.empty()) Engine::log(moved.line);
    Game::createLevel(gameRun.map, *world);
}

// The list, the old level's blocks and the floor go in one refresh before
// the new ones are made, lowest ids first: a level gets the ids it would get
// on a fresh start, whatever menus were walked before it.
void GameController::openChosenLevel()
{
    const GameRun::LevelChoice choice = *gameRun.chosenLevel;
    gameRun.chosenLevel.reset();
    const LevelLibrary levels = gameRun.levels();
    LevelRead level;
    if (!choice.entry.generated()) level = levels.read(*choice.entry.name);
    if (!level.ok()) {
        Engine::logError(std::string("LEVEL FILE ") + Engine::DataFileError(levels.pathOf(*choice.entry.name), level.error).what()
                         + "; it is not opened");
        return;
    }
    menu->clear();
    clearSelection(*editorState, *world);
    editorState->editing.history = EditHistory();
    for (const uint32_t block : gameRun.map.blocks) world->destroyEntity(block);
    gameRun.map.blocks.clear();
    world->destroyEntity(floorEntity);
    world->refresh();
    world->sortFreeIdentifiers();
    if (choice.entry.generated() && !choice.empty) Game::createLevel(gameRun.map, *world);
    else createLevelFrom(gameRun.map, *world, level.blocks);
    createFloor();
    world->refresh(); // the race reads the new blocks as the mode starts
    gameRun.levelName = choice.empty ? std::nullopt : choice.entry.name;
    gameRun.levelPath = gameRun.levelName ? levels.pathOf(*gameRun.levelName) : "";
    if (choice.mode == GameState::modeMapEditor) menuController->startEditor();
    else menuController->startGame();
}

void GameController::createFloor()
{
    floorEntity = GamePhysics::createFloor(*world);
    Engine::log("FLOOR ID: " + std::to_string(floorEntity));
}

void GameController::createMenus()
{
    menu = std::make_unique<UI::Menu>(world.get());
    gameContext.menu = menu.get();
    menuController = std::make_unique<UI::MenuController>(gameContext, gameRun);
    gameContext.menuController = menuController.get();
    menuNavigator = std::make_unique<UI::MenuNavigator>(world.get(), menu.get());
    gameContext.menuNavigator = menuNavigator.get();
    editorState = std::make_unique<EditorState>();
    gameRun.editor = editorState.get();
    editorPlatform = std::make_unique<GameEditorPlatform>(gameContext, gameRun);
    gameContext.editorPlatform = editorPlatform.get();
}

void GameController::createRace()
{
    race = std::make_unique<RaceDriver>(gameContext, gameRun, contacts,
                                        RaceSession::Files{gameRun.files.records, gameRun.files.ghosts});
    raceHud = std::make_unique<RaceHud>(resources->font.get());
}

void GameController::createFrameRenderer()
{
    frameTimeGraph = std::make_unique<FrameTimeGraph>(resources->font.get());
    frameRenderer = std::make_unique<FrameRenderer>(gameContext, gameRun, frameTimeGraph.get());
    frameRenderer->setRace(race.get(), raceHud.get());
}

// The window's size goes through the one resize here, so that start-up,
// the Options menu and the window's own changes take the same way.
void GameController::createOptions()
{
    windowOptions = std::make_unique<WindowOptions>(gameContext, gameRun);
    displayOptions = std::make_unique<UI::DisplayOptions>(gameRun.settings, windowOptions.get(), gameRun.files.settings);
    menuController->options = displayOptions.get();
    windowOptions->setMouseSpeed(gameRun.settings.mouseSpeed);
    windowOptions->applyWindowSize(WindowOptions::drawableSize(*engine));
}

// Shows the main menu and starts the step clock now, so that the loading
// time is not simulated.
void GameController::startClock()
{
    menuController->showMainMenu();
    SDL_ShowCursor(SDL_DISABLE);
    engine->stepLength = stepMilliseconds;
    engine->accumulator = 0;
    engine->lastTickCount = SDL_GetTicks();
    world->refresh();
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
}

void GameController::update()
{
    animationPhase = StepReadouts::advanceAnimationPhase(animationPhase);
    if (gameRun.chosenLevel) openChosenLevel();
    menuController->scrollLevelList(engine->mouse->wheel);
    // A key that switched modes this step is not taken by the new mode too
    // (F5 ending a play-test must not start another).
    const bool wasEditing = gameRun.state.mode == GameState::modeMapEditor;
    togglePause();
    if (engine->keyboard->pressed(SDL_SCANCODE_F3)) frameTimeGraph->toggle();
    if (wasEditing && gameRun.state.mode == GameState::modeMapEditor) updateEditor(gameContext, gameRun);
    runStepSystems();
    animateCharacter();
    placeHeldItem();
    showSpeed();
    stepPhysics();
    stepRace();
    hearStep();
    showFramesPerSecond();
    stepMapRebuild(gameRun.map, *world, colorIdPool);
    world->refresh();
    drainGLErrors();
}

// Escape or the pad's Start pauses a running game and resumes it again, and
// F5 ends a play-test; the editor handles its own keys.
void GameController::togglePause()
{
    if (gameRun.state.mode != GameState::modeSingleplayer) return;
    if (gameRun.state.playTest && engine->keyboard->pressed(SDL_SCANCODE_F5)) {
        menuController->backToEditor();
        return;
    }
    if (!engine->keyboard->pressed(SDL_SCANCODE_ESCAPE) && !engine->pad->pressed(SDL_CONTROLLER_BUTTON_START)) return;
    if (gameRun.state.paused)
        menuController->resumeGame();
    else
        menuController->pauseGame();
}
void GameController::runStepSystems()
{
    constexpr float dt = 0.0f;
    uiLayer->updateClicks();
    uiLayer->updateTextFields();
    navigateMenu();
    world->getSystem<TransformStateCopySystem>().run(dt);
    world->getSystem<CameraModificationStateCopySystem>().run(dt);
    world->getSystem<CharacterControllerStateCopySystem>().run(dt);
    world->getSystem<CameraStateCopySystem>().run(dt);
    world->getSystem<CameraModificationMouseMovementSystem>().run(dt);
    world->getSystem<FreeCamMovementSystem>().run(dt);
    world->getSystem<CameraMouseShiftMovementSystem>().run(dt);
    world->getSystem<CameraMouseZoomMovementSystem>().run(dt);
    world->getSystem<CharacterControllerSystem>().run(dt);
    world->getSystem<TransformToCollissionTransformSystem>().run(dt);
    world->getSystem<RotationAnimationSystem>().run(dt);
    world->getSystem<PhysicsMotionStateSystem>().run(dt);
}

// After the physics step, the race, the editor and the menus, so this
// step's landing, rope, race progress, edits and interface looks are heard.
void GameController::hearStep()
{
    Audio::SoundSystem& sound = world->getSystem<Audio::SoundSystem>();
    sound.animationPhase = animationPhase;
    sound.progress = progressView();
    sound.run(0.0f);
    world->getSystem<Audio::InterfaceSoundSystem>().run(0.0f);
}

// The race while one is run, the editor while it is open.
Audio::ProgressView GameController::progressView() const
{
    Audio::ProgressView view;
    if (const RaceRun* run = race->currentRun())
        view.race = Audio::RaceView{run->checkpointsReached(), run->phase() == RacePhase::finished, run->beatBest()};
    if (gameRun.state.mode == GameState::modeMapEditor)
        view.editor = Audio::EditorView{gameRun.map.blocks.size(), editorState->editing.history.stepsTaken()};
    return view;
}

// While a menu is shown the keys and the pad walk its buttons; B (and Escape
// in Options, where nothing else takes it) goes back.
void GameController::navigateMenu()
{
    if (gameRun.state.mode != GameState::modeMainMenu && !gameRun.state.paused) return;
    if (gameRun.state.dialogOpen) return; // the keys are the name prompt's; the question takes clicks
    menuNavigator->update(UI::readMenuInput(*engine->keyboard, *engine->mouse, *engine->pad));
    const bool escapeInOptions = engine->keyboard->pressed(SDL_SCANCODE_ESCAPE) && menuController->optionsShown();
    if (engine->pad->pressed(SDL_CONTROLLER_BUTTON_B) || escapeInOptions) menuController->back();
}

void GameController::animateCharacter()
{
    const Engine::GFX::Animation& clip = *resources->runningClip;
    const float seconds = clip.duration / clip.ticksPerSecond * animationPhase;
    resources->skeleton->animate(clip, seconds);
    resources->skeleton->computeBoneMatrices(resources->animatedModel->bones, resources->boneMatrices);
}

void GameController::placeHeldItem()
{
    const glm::mat4& hand = resources->skeleton->getNodeTransform(heldItemNode);
    Game::placeHeldItem(hand, world->getComponent<TransformComponent>(heldItemEntity));
}

// The body's velocity: the walk along the ground plus the vertical speed.
void GameController::showSpeed()
{
    const uint32_t player = gameRun.cameras.player;
    if (!world->hasComponent<CharacterControllerComponent>(player)) return;
    const auto& character = world->getComponent<CharacterControllerComponent>(player);
    const CustomCharacterController& controller = *character.controller;
    const btVector3 v = controller.getWalkDirection() + controller.getUp() * controller.getVerticalVelocity();
    const int64_t speed = StepReadouts::speedKilometresPerHour(GamePhysics::toGlm(v));
    resources->speedText->text = StepReadouts::speedLine(speed);
    resources->speedText->rebuild();
}

void GameController::stepPhysics()
{
    physicsWorld->step();
    GamePhysics::dispatchContacts(*physicsWorld->getDispatcher(), *world, contacts);
}

// Singleplayer starts a race on the level as it stands and leaving it ends
// the race; in between, each step after the physics step is one race step.
void GameController::stepRace()
{
    const GameState& state = gameRun.state;
    const bool playing = state.mode == GameState::modeSingleplayer;
    if (playing && lastMode != GameState::modeSingleplayer) race->begin();
    if (!playing && lastMode == GameState::modeSingleplayer) race->end();
    lastMode = state.mode;
    if (!playing) return;
    race->step(state.paused);
    raceHud->show(race->hudLines());
}

void GameController::showFramesPerSecond()
{
    resources->fpsText->text = StepReadouts::fpsLine(StepReadouts::framesPerSecond(engine->averageFrameTime));
    resources->fpsText->rebuild();
}

void GameController::render(float alpha)
{
    frameRenderer->render(alpha);
}

void GameController::windowResized(int32_t width, int32_t height)
{
    if (windowOptions == nullptr) return;
    windowOptions->applyWindowSize(glm::ivec2(width, height));
    // The profile keeps the windowed size the user chose, not the screen's.
    if (!gameRun.settings.fullscreen) displayOptions->windowResized(width, height);
}

void GameController::setFramePassObserver(FramePassObserver* observer)
{
    frameRenderer->setObserver(observer);
}

void GameController::shutdown()
{
    releaseAll();
}

// Components first (they take bodies out of the physics world and free GL
// objects), then what they referred to; the physics world last.
void GameController::releaseAll()
{
    world.reset();
    audio.reset();
    displayOptions.reset();
    windowOptions.reset();
    frameRenderer.reset();
    frameTimeGraph.reset();
    raceHud.reset();
    race.reset();
    editorPlatform.reset();
    menuNavigator.reset();
    menuController.reset();
    menu.reset();
    uiLayer.reset();
    editorState.reset();
    gameRun.map = GameMap{};
    gameRun.editor = nullptr;
    resources.reset();
    gameContext = GameContext{};
    if (physicsWorld != nullptr) physicsWorld->getDynamicsWorld()->setDebugDrawer(nullptr);
    debugDrawer.reset();
    physicsWorld.reset();
}

} // namespace Game

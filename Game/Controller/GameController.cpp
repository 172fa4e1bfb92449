#include "Game/Controller/GameController.h"

#include <GL/glew.h>
#include <SDL.h>

#include "Engine/Core/ApplyWindowSettings.h"
#include "Engine/Core/GameEngine.h"
#include "Engine/Core/KeyboardState.h"
#include "Engine/Core/MouseState.h"
#include "Engine/Core/PadState.h"
#include "Engine/ECS/EntityManager.h"
#include "Engine/Graphics/ModelFromBuilder.h"
#include "Engine/Mesh/MeshBuilder.h"
#include "Game/Audio/MixerOutput.h"
#include "Game/Audio/SoundComponent.h"
#include "Game/Audio/SoundSystem.h"
#include "Game/Controller/FrameRenderer.h"
#include "Game/Controller/FrameTimeGraph.h"
#include "Game/Controller/GLErrorReport.h"
#include "Game/Resources/GameResources.h"
#include "Game/Controller/GameWorld.h"
#include "Game/Controller/HeldItem.h"
#include "Game/Controller/Skybox.h"
#include "Game/Controller/StepReadouts.h"
#include "Game/Editor/BlockEdits.h"
#include "Game/Controller/WindowOptions.h"
#include "Game/Editor/EditorState.h"
#include "Game/Controller/EditorBinding.h"
#include "Game/Level/GameMap.h"
#include "Game/Level/Level.h"
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
#include "Game/UI/UiLayer.h"

#include <string>

namespace Game {

namespace {

using Engine::GameEngine;

constexpr uint32_t stepMilliseconds = 10;
constexpr int debugDrawOff = 0;

// The full-screen passes draw one quad over the whole clip space, looked at
// straight on through an orthographic camera.
constexpr float screenExtent = 1.0f;
constexpr float screenDepth = 10.0f;
const glm::vec4 white(1.0f, 1.0f, 1.0f, 1.0f);

} // namespace

GameController::GameController(Engine::GameEngine* engine) : engine(engine)
{
    GameEngine::log("GC CREATE");
}

GameController::~GameController() = default;

bool GameController::init()
{
    applyConfiguration();
    skybox = std::make_unique<Skybox>();
    physicsWorld = std::make_unique<PhysicsWorld>();
    contacts.clear();
    GameEngine::log("GC INIT");

    resources = std::make_unique<GameResources>(windowSettings.resolutionWidth, windowSettings.resolutionHeight,
                                                windowSettings.maxAnisotropy, windowSettings.renderScale);
    audio = Audio::MixerOutput::open(windowSettings.volume);
    createWorld();
    gameMap = std::make_unique<GameMap>();
    debugDrawer = std::make_unique<DebugDraw::BulletDebugDrawer_OpenGL>(debugDrawOff);
    physicsWorld->getDynamicsWorld()->setDebugDrawer(debugDrawer.get());
    GameEngine::log("IMGLOAD end");

    uiLayer = std::make_unique<UI::UiLayer>(engine, world.get(), resources.get());
    createHeldItem();
    centreMouse();
    GameEngine::log("GC INIT END");

    createScreenPass();
    createMenuCamera();
    createEditorCamera();
    createPlayer();
    createLevel();
    createFloor();
    createMenus();
    createFrameRenderer();
    createOptions();
    startClock();
    return true;
}

// The user's window settings: swap interval, fullscreen, size, centred.
void GameController::applyConfiguration()
{
    windowSettings = Engine::loadWindowSettings();
    Engine::applyWindowSettings(windowSettings, *engine->window->handle);
    gameState = std::make_unique<GameState>();
    glViewport(0, 0, windowSettings.resolutionWidth, windowSettings.resolutionHeight);
}

void GameController::createWorld()
{
    GameWorldServices services;
    services.engine = engine;
    services.keyboard = engine->keyboard.get();
    services.mouse = engine->mouse.get();
    services.pad = engine->pad.get();
    services.matrixState = engine->matrixState;
    services.physicsWorld = physicsWorld.get();
    services.resources = resources.get();
    services.audio = audio.get();
    services.animationPhase = &animationPhase;
    world = createGameWorld(services);
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

void GameController::createScreenPass()
{
    screenCamera.setOrthographic(-screenExtent, screenExtent, -screenExtent, screenExtent, -screenDepth,
                                 screenDepth);
    screenCamera.setDefaultView();
    Engine::GFX::Mesh::MeshBuilder builder;
    builder.addQuad(glm::vec2(-screenExtent), glm::vec2(screenExtent), white, glm::vec2(1.0f));
    screenQuad = std::make_unique<Engine::GFX::Mesh::Model3D>();
    Engine::GFX::Mesh::fillModel(*screenQuad, builder);
}

void GameController::createMenuCamera()
{
    menuCameraEntity = world->createEntity();
    world->addComponent(menuCameraEntity, CameraComponent(resources->defaultCamera));
}

// Flies with W, A, S, D; looks and pans while the editor holds the right
// and middle buttons; zooms with the wheel.
void GameController::createEditorCamera()
{
    editorCameraEntity = world->createEntity();
    world->addComponent(editorCameraEntity, CameraComponent(resources->defaultCamera));
    world->addComponent(editorCameraEntity, CameraModificationComponent());
    world->addComponent(editorCameraEntity, CameraMouseMovementComponent(false));
    world->addComponent(editorCameraEntity, CameraMouseShiftComponent(false));
    world->addComponent(editorCameraEntity, CameraMouseZoomMoveComponent(true));
    world->addComponent(editorCameraEntity, FreeCamMovementComponent(false));
    world->addComponent(editorCameraEntity, TransformComponent(glm::vec3(0.0f)));
}

void GameController::createPlayer()
{
    playerEntity = world->createEntity();
    // The player takes input only while a game runs: Start game enables it.
    CharacterControllerComponent character(playerEntity, physicsWorld.get());
    character.enabled = false;
    world->addComponent(playerEntity, character);
    world->addComponent(playerEntity, CameraMouseMovementComponent(false));
    world->addComponent(playerEntity, CameraModificationComponent());
    world->addComponent(playerEntity, CameraComponent(resources->defaultCamera));
    world->addComponent(playerEntity, TransformComponent(glm::vec3(0.0f)));
    world->addComponent(playerEntity, Audio::SoundComponent());
    world->addComponent(playerEntity, CollisionCallbackComponent(playerEntity, std::make_shared<TestCallBack>()));
    GameEngine::log("Player ID: " + std::to_string(playerEntity));
}

void GameController::createLevel()
{
    createLevelFromFileOrGenerator(*gameMap, *world, levelFilePath);
}

void GameController::createFloor()
{
    floorEntity = GamePhysics::createFloor(*world);
    GameEngine::log("FLOOR ID: " + std::to_string(floorEntity));
}

void GameController::createMenus()
{
    menu = std::make_unique<UI::Menu>(world.get());
    menuController = std::make_unique<UI::MenuController>(engine, world.get(), resources.get(), menu.get(),
                                                          gameState.get(), playerEntity, editorCameraEntity,
                                                          menuCameraEntity);
    menuNavigator = std::make_unique<UI::MenuNavigator>(world.get(), menu.get());
    editorState = std::make_unique<EditorState>();
    gameContext = std::make_unique<GameContext>(GameContext{
        gameState.get(), world.get(), resources.get(), engine->matrixState, menu.get(), engine,
        menuController.get(), playerEntity, editorCameraEntity, menuCameraEntity, editorState.get(),
        physicsWorld.get(), gameMap.get()});
}

void GameController::createFrameRenderer()
{
    FrameSources frame;
    frame.world = world.get();
    frame.resources = resources.get();
    frame.matrices = engine->matrixState;
    frame.mouse = engine->mouse.get();
    frame.gameState = gameState.get();
    frame.uiLayer = uiLayer.get();
    frame.skybox = skybox.get();
    frame.gameMap = gameMap.get();
    frame.editorState = editorState.get();
    frame.screenCamera = &screenCamera;
    frame.screenQuad = screenQuad.get();
    frame.cameras = CameraEntities{menuCameraEntity, playerEntity, editorCameraEntity};
    frame.width = static_cast<float>(windowSettings.resolutionWidth);
    frame.height = static_cast<float>(windowSettings.resolutionHeight);
    frameTimeGraph = std::make_unique<FrameTimeGraph>(resources->font.get());
    frame.frameTimeGraph = frameTimeGraph.get();
    frameRenderer = std::make_unique<FrameRenderer>(frame);
}

void GameController::createOptions()
{
    WindowOptionsParts parts;
    parts.engine = engine;
    parts.resources = resources.get();
    parts.frameRenderer = frameRenderer.get();
    parts.world = world.get();
    parts.cameras = CameraEntities{menuCameraEntity, playerEntity, editorCameraEntity};
    parts.audio = audio.get();
    parts.frameSize = glm::ivec2(windowSettings.resolutionWidth, windowSettings.resolutionHeight);
    windowOptions = std::make_unique<WindowOptions>(parts);
    displayOptions = std::make_unique<UI::DisplayOptions>(windowSettings, windowOptions.get());
    menuController->options = displayOptions.get();
    windowOptions->setMouseSpeed(windowSettings.mouseSpeed);
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
    togglePause();
    if (engine->keyboard->pressed(SDL_SCANCODE_F3)) frameTimeGraph->toggle();
    if (gameState->mode == GameState::modeMapEditor) updateEditor(*gameContext);
    runStepSystems();
    animateCharacter();
    placeHeldItem();
    showSpeed();
    stepPhysics();
    hearStep();
    showFramesPerSecond();
    stepMapRebuild(*gameMap, *world, colorIdPool);
    world->refresh();
    drainGLErrors();
}

// Escape or the pad's Start pauses a running game and resumes it again; the
// editor handles its own Escape.
void GameController::togglePause()
{
    if (gameState->mode != GameState::modeSingleplayer) return;
    if (!engine->keyboard->pressed(SDL_SCANCODE_ESCAPE) && !engine->pad->pressed(SDL_CONTROLLER_BUTTON_START)) return;
    if (gameState->paused)
        menuController->resumeGame();
    else
        menuController->pauseGame();
}

void GameController::runStepSystems()
{
    constexpr float dt = 0.0f;
    uiLayer->updateClicks();
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

// After the physics step, so it hears this step's landing and rope.
void GameController::hearStep()
{
    world->getSystem<Audio::SoundSystem>().run(0.0f);
}

// While a menu is shown the keys and the pad walk its buttons; B (and Escape
// in Options, where nothing else takes it) goes back.
void GameController::navigateMenu()
{
    if (gameState->mode != GameState::modeMainMenu && !gameState->paused) return;
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
    if (!world->hasComponent<CharacterControllerComponent>(playerEntity)) return;
    const auto& character = world->getComponent<CharacterControllerComponent>(playerEntity);
    const CustomCharacterController& controller = *character.controller;
    const btVector3 v = controller.getWalkDirection() + controller.getUp() * controller.getVerticalVelocity();
    const int64_t speed = StepReadouts::speedKilometresPerHour(glm::vec3(v.x(), v.y(), v.z()));
    resources->speedText->text = StepReadouts::speedLine(speed);
    resources->speedText->rebuild();
}

void GameController::stepPhysics()
{
    physicsWorld->step();
    GamePhysics::dispatchContacts(*physicsWorld->getDispatcher(), *world, contacts);
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
    gameContext.reset();
    menuNavigator.reset();
    menuController.reset();
    menu.reset();
    uiLayer.reset();
    editorState.reset();
    gameMap.reset();
    screenQuad.reset();
    skybox.reset();
    resources.reset();
    if (physicsWorld != nullptr) physicsWorld->getDynamicsWorld()->setDebugDrawer(nullptr);
    debugDrawer.reset();
    physicsWorld.reset();
}

} // namespace Game

#pragma once

#include <cstdint>
#include <memory>

#include "Engine/Config/WindowSettings.h"
#include "Engine/Core/GamePrototype.h"
#include "Engine/Graphics/Model3D.h"
#include "Game/Controller/GameContext.h"
#include "Game/Resources/GameState.h"
#include "Game/Level/ColorIdPool.h"
#include "Game/Physics/ContactDispatch.h"
#include "Game/Scene/Camera.h"

class PhysicsWorld;

namespace Engine {
class GameEngine;
}

namespace Engine::ECS {
class EntityManager;
}

namespace DebugDraw {
class BulletDebugDrawer_OpenGL;
}

namespace UI {
class DisplayOptions;
class Menu;
class MenuController;
class MenuNavigator;
class UiLayer;
} // namespace UI

namespace Audio {
class AudioOutput;
}

namespace Game {

class FramePassObserver;
class FrameRenderer;
class FrameTimeGraph;
class GameResources;
class Skybox;
class WindowOptions;
struct EditorState;
struct GameMap;

// The game as the engine runs it: owns the world, the resources, the physics,
// the level, the menus and the editor, and moves the game between its modes
// (main menu, singleplayer, map editor, each with its pause menu).
//
// init() builds everything once, update() runs one fixed step of 10 ms and
// render(alpha) draws one frame. Loading problems with the data files
// surface from init() as Engine::DataFileError.
class GameController final : public GamePrototype {
public:
    explicit GameController(Engine::GameEngine* engine);
    ~GameController();
    GameController(const GameController&) = delete;
    GameController& operator=(const GameController&) = delete;

    bool init() override;
    void update() override;
    void render(float alpha) override;
    // Releases the GL and physics objects while the window's context still exists.
    void shutdown() override;

    // For measurements: the observer hears where each pass of every frame
    // begins (null stops the reports). Only after init().
    void setFramePassObserver(FramePassObserver* observer);

    float animationPhase = 0.0f;
    Engine::WindowSettings windowSettings;
    std::unique_ptr<Skybox> skybox;
    ColorIdPool colorIdPool;
    std::unique_ptr<GameState> gameState;
    std::unique_ptr<GameContext> gameContext;
    std::unique_ptr<UI::Menu> menu;
    std::unique_ptr<UI::MenuController> menuController;
    std::unique_ptr<UI::MenuNavigator> menuNavigator;
    Engine::GameEngine* engine;
    std::unique_ptr<GameMap> gameMap;
    uint32_t menuCameraEntity = 0;
    uint32_t editorCameraEntity = 0;
    uint32_t playerEntity = 0;
    uint32_t heldItemEntity = 0;
    std::unique_ptr<GameResources> resources;
    std::unique_ptr<UI::UiLayer> uiLayer;
    std::unique_ptr<PhysicsWorld> physicsWorld;
    GamePhysics::ContactRecord contacts;
    Camera screenCamera;
    std::unique_ptr<DebugDraw::BulletDebugDrawer_OpenGL> debugDrawer;
    std::unique_ptr<Engine::GFX::Mesh::Model3D> screenQuad;
    std::unique_ptr<EditorState> editorState;
    uint32_t floorEntity = 0;
    // The Options menu's settings and where they take effect.
    std::unique_ptr<WindowOptions> windowOptions;
    std::unique_ptr<UI::DisplayOptions> displayOptions;
    // F3 shows and hides it.
    std::unique_ptr<FrameTimeGraph> frameTimeGraph;
    std::unique_ptr<Audio::AudioOutput> audio;
    // Declared last so that it goes first: its components take their bodies
    // out of the physics world and free their GL objects.
    std::unique_ptr<Engine::ECS::EntityManager> world;

private:
    // init(), in order.
    void applyConfiguration();
    void createWorld();
    void createHeldItem();
    void centreMouse();
    void createScreenPass();
    void createMenuCamera();
    void createEditorCamera();
    void createPlayer();
    void createLevel();
    void createFloor();
    void createMenus();
    void createFrameRenderer();
    void createOptions();
    void startClock();

    // update(), in order.
    void togglePause();
    void runStepSystems();
    void navigateMenu();
    void animateCharacter();
    void placeHeldItem();
    void showSpeed();
    void stepPhysics();
    void hearStep();
    void showFramesPerSecond();

    void releaseAll();

    std::unique_ptr<FrameRenderer> frameRenderer;
};

} // namespace Game

#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include <glm/glm.hpp>

#include "Engine/Core/GamePrototype.h"
#include "Game/Level/ColorIdPool.h"
#include "Game/Physics/ContactDispatch.h"
#include "Game/Resources/GameContext.h"
#include "Game/Resources/GameRun.h"

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
struct ProgressView;
}

namespace Game {

class FramePassObserver;
class FrameRenderer;
class FrameTimeGraph;
class GameEditorPlatform;
class RaceDriver;
class RaceHud;
class GameResources;
class WindowOptions;
struct EditorState;

// The game as the engine runs it: owns the world, the resources, the physics,
// the level, the menus and the editor, and moves the game between its modes
// (main menu, singleplayer, map editor, each with its pause menu).
//
// init() builds everything once, update() runs one fixed step of 10 ms and
// render(alpha) draws one frame. Loading problems with the data files
// surface from init() as Engine::DataFileError. Its services and its run's
// state are two records (GameContext, GameRun), readable after init().
class GameController final : public GamePrototype {
public:
    // The profile defaults to ./profile in the run folder.
    explicit GameController(Engine::GameEngine* engine, ProfileFiles files = {});
    ~GameController();
    GameController(const GameController&) = delete;
    GameController& operator=(const GameController&) = delete;

    bool init() override;
    void update() override;
    void render(float alpha) override;
    // The window's drawable size changed (the user, the window system or
    // fullscreen): the frame follows it.
    void windowResized(int32_t width, int32_t height) override;
    // Releases the GL and physics objects while the window's context still exists.
    void shutdown() override;

    // For measurements: the observer hears where each pass of every frame
    // begins (null stops the reports). Only after init().
    void setFramePassObserver(FramePassObserver* observer);

    const GameContext& context() const { return gameContext; }
    const GameRun& run() const { return gameRun; }
    // F3's frame-time graph; only after init().
    FrameTimeGraph& timeGraph() { return *frameTimeGraph; }

private:
    // init(), in order.
    void applyConfiguration();
    void createWorld();
    void createHeldItem();
    void centreMouse();
    void createMenuCamera();
    void createEditorCamera();
    void createPlayer();
    void createLevel();
    void createFloor();
    void openChosenLevel();
    void createMenus();
    void createRace();
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
    void stepRace();
    void hearStep();
    Audio::ProgressView progressView() const;
    void showFramesPerSecond();

    void releaseAll();

    Engine::GameEngine* engine;
    GameContext gameContext;
    GameRun gameRun;
    float animationPhase = 0.0f;
    uint32_t heldItemEntity = 0;
    uint32_t floorEntity = 0;
    ColorIdPool colorIdPool;
    GamePhysics::ContactRecord contacts;
    std::unique_ptr<PhysicsWorld> physicsWorld;
    std::unique_ptr<DebugDraw::BulletDebugDrawer_OpenGL> debugDrawer;
    std::unique_ptr<GameResources> resources;
    std::unique_ptr<UI::UiLayer> uiLayer;
    std::unique_ptr<UI::Menu> menu;
    std::unique_ptr<UI::MenuController> menuController;
    std::unique_ptr<UI::MenuNavigator> menuNavigator;
    std::unique_ptr<EditorState> editorState;
    std::unique_ptr<GameEditorPlatform> editorPlatform;
    std::unique_ptr<FrameRenderer> frameRenderer;
    // F3 shows and hides it.
    std::unique_ptr<FrameTimeGraph> frameTimeGraph;
    // The race of a level with a finish, from Singleplayer to the menu.
    std::unique_ptr<RaceDriver> race;
    std::unique_ptr<RaceHud> raceHud;
    uint32_t lastMode = GameState::modeMainMenu;
    // The Options menu's settings and where they take effect, the window's
    // size among them.
    std::unique_ptr<WindowOptions> windowOptions;
    std::unique_ptr<UI::DisplayOptions> displayOptions;
    std::unique_ptr<Audio::AudioOutput> audio;
    // Declared last so that it goes first: its components take their bodies
    // out of the physics world and free their GL objects.
    std::unique_ptr<Engine::ECS::EntityManager> world;
};

} // namespace Game

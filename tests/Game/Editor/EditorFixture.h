#pragma once

// The map editor over a real entity manager and physics world: the editor
// camera hangs above the point it is aimed at and looks straight down from
// the window's centre, so a pick ray goes straight down onto that point. The
// picking read answers platform.red.
#include "Game/Editor/EditorPlatform.h"
#include "Game/Editor/EditorState.h"
#include "Game/Editor/MapEditor.h"
#include "Game/Resources/GameContext.h"
#include "Game/Resources/GameRun.h"
#include "Game/Level/GameMap.h"
#include "Game/Level/Level.h"
#include "Game/Resources/GameState.h"
#include "Game/Scene/CameraComponent.h"
#include "Game/Scene/CameraControlComponents.h"
#include "Game/Scene/MeshComponent.h"
#include "Game/Scene/TransformComponent.h"
#include "tests/support/GameTestWorld.h"

#include <SDL_mouse.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace GameTesting {

// Records what the editor asks of the window: picking reads answer
// pickingRed, pause menus are counted.
struct FakeEditorPlatform final : Game::EditorPlatform {
    uint8_t readAxisId(int32_t x, int32_t y) override
    {
        reads.emplace_back(x, y);
        return red;
    }
    void showPauseMenu() override { ++pauseMenus; }
    void hidePauseMenu() override { --pauseMenus; }
    void showToolbar(const Game::ToolbarView&) override {}

    uint8_t red = 0;
    std::vector<glm::ivec2> reads;
    int pauseMenus = 0;
};

class EditorFixture : public ::testing::Test {
protected:
    static constexpr float cameraHeight = 30.0f;

    EditorFixture()
    {
        Camera view;
        view.setPerspective(60.0f, float(t.windowWidth), float(t.windowHeight), 0.1f, 200.0f);
        t.world.addComponent(camera, CameraComponent(view));
        t.world.addComponent(camera, TransformComponent());
        t.world.addComponent(camera, CameraMouseMovementComponent(false));
        t.world.addComponent(camera, CameraMouseShiftComponent(false));
        t.world.addComponent(camera, CameraMouseZoomMoveComponent(true));
        t.world.addComponent(camera, FreeCamMovementComponent(true));
        gameState.mode = Game::GameState::modeMapEditor;
        game.world = &t.world;
        game.physicsWorld = &t.physics;
        game.mouse = &t.mouse;
        game.keyboard = &t.keyboard;
        game.editorPlatform = &platform;
        run.cameras.editorCamera = camera;
        run.editor = &editor;
        run.windowSize = glm::ivec2(t.windowWidth, t.windowHeight);
        run.levelPath = ::testing::TempDir() + "editing_level.cfg";
    }

    uint32_t addBlock(const glm::vec3& position, const glm::vec3& size = glm::vec3(2.0f))
    {
        const uint32_t block = Game::createBlock(map, t.world, position, size);
        t.world.refresh();
        t.physics.getDynamicsWorld()->updateAabbs();
        return block;
    }

    void step(uint32_t buttons = 0, glm::ivec2 cursor = {GameTestWorld::windowWidth / 2, GameTestWorld::windowHeight / 2})
    {
        t.buttons = buttons;
        t.refreshInput(cursor);
        Game::updateEditor(game, run);
        t.world.refresh();
    }

    void aimAt(const glm::vec3& target)
    {
        Camera& view = t.world.getComponent<CameraComponent>(camera).camera;
        view.position = t.world.getComponent<TransformComponent>(camera).position = target + glm::vec3(0, 0, cameraHeight);
        view.center = target;
        view.up = glm::vec3(0.0f, 1.0f, 0.0f);
    }

    // Left button down for one step, then up, with left shift as given; returns the log.
    std::string clickAt(const glm::vec3& target, bool shift = false)
    {
        aimAt(target);
        t.keys[SDL_SCANCODE_LSHIFT] = shift;
        testing::internal::CaptureStdout();
        step(SDL_BUTTON_LMASK);
        step();
        t.keys[SDL_SCANCODE_LSHIFT] = 0;
        return testing::internal::GetCapturedStdout();
    }

    template <class Switch>
    bool switchedOn() { return t.world.getComponent<Switch>(camera).enabled; }

    GameTestWorld t;
    const uint32_t camera = t.world.createEntity();
    Game::GameContext game;
    Game::GameRun run;
    Game::GameState& gameState = run.state;
    Game::GameMap& map = run.map;
    Game::EditorState editor;
    FakeEditorPlatform platform;
};

} // namespace GameTesting

#pragma once

#include "Engine/Core/KeyboardState.h"
#include "Engine/Core/MouseState.h"
#include "Engine/ECS/EntityManager.h"
#include "Engine/Graphics/Drawable.h"
#include "Engine/Graphics/Texture2D.h"
#include "Game/Resources/GameState.h"
#include "Game/Editor/EditorState.h"
#include "Game/Level/GameMap.h"
#include "Game/Level/Level.h"
#include "Game/Editor/MapEditor.h"
#include "Game/Physics/PhysicsColliderComponent.h"
#include "Game/Physics/PhysicsMotionStateSystem.h"
#include "Game/Physics/PhysicsRigidBodyComponent.h"
#include "Game/Physics/PhysicsWorld.h"
#include "Game/Physics/RigidBodyColliderSystem.h"
#include "Game/Scene/CameraComponent.h"
#include "Game/Scene/CameraControlComponents.h"
#include "Game/Scene/MeshComponent.h"
#include "Game/Scene/TransformComponent.h"

#include <SDL_mouse.h>
#include <SDL_scancode.h>
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <vector>

// A drawable that is never drawn: it only stands for the overlay mesh.
class OverlayMeshStandIn : public Engine::GFX::Drawable {
public:
    void draw() override {}

protected:
    void finishUpload() override {}
};

// The editor in mode 2 over a real physics world and entity manager, with
// input records the test sets by hand and the picking read answered by the
// test. The editor camera hangs above the point it is aimed at and looks
// straight down; the mouse rests at the centre of a 640 x 480 window, so a
// pick ray goes straight down onto the aimed point.
class EditorTestWorld : public ::testing::Test {
protected:
    static constexpr int32_t windowWidth = 640;
    static constexpr int32_t windowHeight = 480;
    static constexpr float cameraHeight = 30.0f;
    static constexpr float cameraFar = 200.0f;

    EditorTestWorld()
        : keyboard(keys.data(), static_cast<int32_t>(keys.size())), mouse(nullptr)
    {
        world.registerComponent<TransformComponent>();
        world.registerComponent<MeshComponent>();
        world.registerComponent<PhysicsRigidBodyComponent>();
        world.registerComponent<PhysicsColliderComponent>();
        world.registerComponent<CameraComponent>();
        world.registerComponent<CameraMouseMovementComponent>();
        world.registerComponent<CameraMouseShiftComponent>();
        world.registerComponent<CameraMouseZoomMoveComponent>();
        world.registerComponent<FreeCamMovementComponent>();
        world.addSystem(PhysicsMotionStateSystem(&world));
        world.addSystem(RigidBodyColliderSystem(&world, &physics));

        gameState.mode = Game::GameState::modeMapEditor;
        createEditorCamera();
        wireContext();
    }

    uint32_t addBlock(const glm::vec3& position, const glm::vec3& size = glm::vec3(2.0f))
    {
        const uint32_t block = Game::createBlock(map, world, position, size);
        world.refresh();
        physics.getDynamicsWorld()->updateAabbs();
        return block;
    }

    void aimAt(const glm::vec3& target)
    {
        const glm::vec3 eye = target + glm::vec3(0.0f, 0.0f, cameraHeight);
        world.getComponent<TransformComponent>(camera).position = eye;
        Camera& view = world.getComponent<CameraComponent>(camera).camera;
        view.position = eye;
        view.center = target;
        view.up = glm::vec3(0.0f, 1.0f, 0.0f);
    }

    // One update step with these buttons held.
    void step(uint32_t buttons = 0)
    {
        keyboard.refresh();
        mouse.refresh(Engine::StepInput{}, buttons, windowWidth / 2, windowHeight / 2, windowHeight);
        Game::updateEditor(editor, context);
        world.refresh();
    }

    // Left button down for one step, then up, with left shift as given.
    void clickAt(const glm::vec3& target, bool shift = false)
    {
        aimAt(target);
        keys[SDL_SCANCODE_LSHIFT] = shift ? 1 : 0;
        step(SDL_BUTTON_LMASK);
        step();
        keys[SDL_SCANCODE_LSHIFT] = 0;
    }

    void pressEscape()
    {
        keys[SDL_SCANCODE_ESCAPE] = 1;
        step();
        keys[SDL_SCANCODE_ESCAPE] = 0;
        step();
    }

    template <class Switch>
    bool switchedOn()
    {
        return world.getComponent<Switch>(camera).enabled;
    }

    uint32_t overlayOf(uint32_t block) const { return editor.selection.at(block); }

    std::vector<uint32_t> selectedBlocks() const
    {
        std::vector<uint32_t> blocks;
        for (const auto& [block, overlay] : editor.selection) blocks.push_back(block);
        return blocks;
    }

    // Declared first so that it outlives the bodies in the world.
    PhysicsWorld physics;
    Engine::ECS::EntityManager world;
    std::array<uint8_t, SDL_NUM_SCANCODES> keys{};
    Engine::KeyboardState keyboard;
    Engine::MouseState mouse;
    Game::GameState gameState;
    Game::GameMap map;
    Game::EditorState editor;
    Game::EditorContext context;
    uint32_t camera = 0;

    OverlayMeshStandIn overlayMesh;
    // Never dereferenced: it stands for the resource set's default texture,
    // whose GL object would need a context.
    alignas(Engine::GFX::Texture2D) unsigned char textureStandIn[sizeof(Engine::GFX::Texture2D)] = {};
    Engine::GFX::Texture2D* overlayTexture = reinterpret_cast<Engine::GFX::Texture2D*>(textureStandIn);

    uint8_t pickingRed = 0;
    std::vector<glm::ivec2> pickingReads;
    int pauseMenuShown = 0;
    int pauseMenuHidden = 0;

private:
    void createEditorCamera()
    {
        Camera view;
        view.setPerspective(60.0f, float(windowWidth), float(windowHeight), 0.1f, cameraFar);
        camera = world.createEntity();
        world.addComponent(camera, CameraComponent(view));
        world.addComponent(camera, TransformComponent());
        world.addComponent(camera, CameraMouseMovementComponent(false));
        world.addComponent(camera, CameraMouseShiftComponent(false));
        world.addComponent(camera, CameraMouseZoomMoveComponent(true));
        world.addComponent(camera, FreeCamMovementComponent(true));
        world.refresh();
    }

    void wireContext()
    {
        context.world = &world;
        context.physicsWorld = &physics;
        context.gameState = &gameState;
        context.editorCameraEntity = camera;
        context.mouse = &mouse;
        context.keyboard = &keyboard;
        context.overlay = Game::OverlayLook{&overlayMesh, overlayTexture};
        context.readAxisId = [this](int32_t x, int32_t y) {
            pickingReads.emplace_back(x, y);
            return pickingRed;
        };
        context.showPauseMenu = [this] { ++pauseMenuShown; };
        context.hidePauseMenu = [this] { ++pauseMenuHidden; };
    }
};

#pragma once

#include <cstdint>

class MatrixState;
class PhysicsWorld;

namespace Engine {
class GameEngine;
}

namespace Engine::ECS {
class EntityManager;
}

namespace UI {
class Menu;
class MenuController;
} // namespace UI

namespace Game {

class GameResources;
struct EditorState;
struct GameMap;
struct GameState;

// The game's shared records in one place, for the code that switches modes
// and runs the editor. Nothing here is owned.
struct GameContext {
    GameState* gameState = nullptr;
    Engine::ECS::EntityManager* world = nullptr;
    GameResources* resources = nullptr;
    MatrixState* matrices = nullptr;
    UI::Menu* menu = nullptr;
    Engine::GameEngine* engine = nullptr;
    UI::MenuController* menuController = nullptr;
    uint32_t playerEntity = 0;
    uint32_t editorCameraEntity = 0;
    uint32_t menuCameraEntity = 0;
    EditorState* editorState = nullptr;
    PhysicsWorld* physicsWorld = nullptr;
    GameMap* gameMap = nullptr;
};

} // namespace Game

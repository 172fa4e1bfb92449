#pragma once

class MatrixState;
class PhysicsWorld;

namespace Engine {
class GameEngine;
class KeyboardState;
class MouseState;
class PadState;
} // namespace Engine

namespace Audio {
class AudioOutput;
}

namespace Engine::ECS {
class EntityManager;
}

namespace UI {
class Menu;
class MenuController;
class MenuNavigator;
class UiLayer;
} // namespace UI

namespace Game {

class EditorPlatform;
class GameResources;

// The game's services in one record: what the game is built from and draws
// with. The game controller fills it once during init() and hands it by
// reference to the menus, the editor, the frame and the window options;
// nothing here is owned, and nothing copies these pointers. What changes
// while the game runs is in GameRun beside it.
struct GameContext {
    Engine::GameEngine* engine = nullptr;
    // The engine's input records (tests give their own).
    const Engine::KeyboardState* keyboard = nullptr;
    const Engine::MouseState* mouse = nullptr;
    const Engine::PadState* pad = nullptr;
    MatrixState* matrices = nullptr;
    Engine::ECS::EntityManager* world = nullptr;
    PhysicsWorld* physicsWorld = nullptr;
    GameResources* resources = nullptr;
    UI::Menu* menu = nullptr;
    UI::MenuController* menuController = nullptr;
    // The keys' and the pad's highlight in the menu shown.
    UI::MenuNavigator* menuNavigator = nullptr;
    // Where the sound goes: the mixer, or nothing without a device.
    Audio::AudioOutput* audio = nullptr;
    UI::UiLayer* uiLayer = nullptr;
    // The editor's window calls: the picking read, its pause menu, its bar.
    EditorPlatform* editorPlatform = nullptr;
};

} // namespace Game

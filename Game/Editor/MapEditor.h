#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include <glm/glm.hpp>

#include "Game/Editor/DragMaths.h"
#include "Game/Editor/EditorSelection.h"
#include "Game/Level/LevelFile.h"

class PhysicsWorld;

namespace Engine {
class KeyboardState;
class MouseState;
} // namespace Engine

namespace Engine::ECS {
class EntityManager;
}

namespace Game {

struct EditorState;
struct GameMap;
struct GameState;
struct ToolbarView;

// Everything one editor step reads or changes besides the editor state.
// The platform-facing parts are functions, so the rules run without a window:
// the picking read (the red byte of the last picking pass at a GL window
// position) and the pause menu's appearance.
struct EditorContext {
    Engine::ECS::EntityManager* world = nullptr;
    PhysicsWorld* physicsWorld = nullptr;
    GameState* gameState = nullptr;
    // Carries the camera, transform and steering switch components.
    uint32_t editorCameraEntity = 0;
    const Engine::MouseState* mouse = nullptr;
    const Engine::KeyboardState* keyboard = nullptr;
    OverlayLook overlay;
    std::function<uint8_t(int32_t x, int32_t y)> readAxisId;
    std::function<void()> showPauseMenu;
    std::function<void()> hidePauseMenu;

    // The editing tools (see updateEditing); without a map they are off.
    GameMap* map = nullptr;
    glm::vec2 windowSize{0.0f};
    std::string levelPath = levelFilePath;
    // Shows the tool bar; may be empty.
    std::function<void(const ToolbarView&)> showToolbar;
};

// One update step of the map editor, before the world's systems run:
// 1. Escape opens or closes the editor's pause menu; while it is open the
//    editor does nothing else and the camera takes no input.
// 2. Mouse look follows the right button and panning the middle button;
//    while Ctrl is held W, A, S and D are shortcuts and do not fly.
// 3. The gizmo handle under the mouse is highlighted.
// 4. The editing tools take their keys, tool bar clicks and handle drags
//    (updateEditing).
// 5. When the left button goes down, the handle under it is recorded; off
//    the handles a ray from the camera through the mouse picks the nearest
//    level block (logging "SHOOT:" and "HIT: <id>"), and the selection
//    changes as applyClick says, left shift keeping the old selection.
// 6. The gizmo moves to the mean position of the selection.
void updateEditor(EditorState& editor, const EditorContext& context);

// The ray from the editor camera through the mouse; none when the camera
// has no transform or camera component.
std::optional<Ray> cursorRay(const EditorContext& context);

// The handle id for a red byte read from the picking target; anything that is
// not a handle id counts as no handle.
uint32_t axisFromPickingRed(uint8_t red);

// Resets every handle to its own colour and highlights the hovered one.
void showHoveredAxis(EditorState& editor, uint32_t hoveredAxis);

} // namespace Game

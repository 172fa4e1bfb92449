#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include <glm/glm.hpp>

#include "Game/Editor/DragMaths.h"
#include "Game/Editor/EditorSelection.h"
#include "Game/Editor/ViewMaths.h"

namespace Game {

struct EditorState;
struct GameContext;
struct GameRun;

// One update step of the map editor on the run's editor state, before the
// world's systems run, with the game's editor platform:
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
//    changes as applyClick says, left shift keeping the old selection. A
//    press on empty space starts a box selection instead: while the button
//    is held a rectangle follows the cursor and Escape drops it; on release
//    every block whose centre projects inside it is selected, added to the
//    old selection if Shift was held, and a release within a few pixels is
//    a click on empty space.
// 6. The gizmo moves to the mean position of the selection.
void updateEditor(const GameContext& game, GameRun& run);

// The ray from the editor camera through the mouse; none when the camera
// has no transform or camera component.
std::optional<Ray> cursorRay(const GameContext& game, const GameRun& run);

// How selection overlays look: the resource set's white cube and default
// texture, or nothing drawn when the game has no resources (tests).
OverlayLook overlayLookOf(const GameContext& game);

// The handle id for a red byte read from the picking target; anything that is
// not a handle id counts as no handle.
uint32_t axisFromPickingRed(uint8_t red);

// The blocks whose centres project into the rectangle on the editor camera's
// view (GL window pixels); blocks behind the camera never do.
std::vector<uint32_t> blocksInBox(const GameContext& game, const GameRun& run, const ScreenRect& rect);

// Resets every handle to its own colour and highlights the hovered one.
void showHoveredAxis(EditorState& editor, uint32_t hoveredAxis);

} // namespace Game

#pragma once

#include <cstdint>

namespace Game {

struct GameContext;
struct GameRun;

// The editing tools' part of one editor step (the editor is not paused):
// - a tool's digit key or a click on its bar icon chooses it (editorTools);
//   a click anywhere on the bar picks nothing;
// - K moves the kind of every selected block one step along plain, start,
//   checkpoint, finish (see cycledKinds), as one edit;
// - Delete deletes the selection, Ctrl+D duplicates it 1 m along +X (a copy
//   of the start is plain) and
//   selects the copies, Ctrl+Z undoes the last edit, Ctrl+Y redoes it,
//   Ctrl+S saves the level to the run's level path; every key press is
//   one action, taken in the order pressed, even within one step;
// - with the create tool a click places a 2 m block on the block face or the
//   floor under the cursor and selects it;
// - with translate, rotate or scale, pressing the left button on a handle
//   of a selection starts a drag that follows the cursor every step (either
//   Ctrl snaps) and becomes one edit when the button is released.
// Edits that would take the level past maxLevelBlocks are refused with a
// message. Returns true when the left button's press or hold belonged to
// the tools, so that it must not pick a block.
bool updateEditing(const GameContext& game, GameRun& run, uint32_t hoveredAxis);

} // namespace Game

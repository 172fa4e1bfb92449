#pragma once

#include "Game/Editor/MapEditor.h"

namespace Game {

struct GameContext;

// The editor step wired to the running game: the engine's input records, the
// resource set's picking framebuffer, white cube and default texture, and
// the menu controller's editor pause menu. Every pointer of the game
// context used here must be set.
EditorContext editorContextOf(const GameContext& game);

// updateEditor with the game's own records; the controller's step in mode 2.
void updateEditor(const GameContext& game);

} // namespace Game

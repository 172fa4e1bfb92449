#pragma once

#include "Game/Resources/DataFiles.h"

namespace Audio {

// Every one-shot sound the game plays; the wind loop is apart (windFile).
enum class Effect {
    footstep, jump, landing, ropeFire, ropeCatch, ropeRelease, menuHover, menuClick,
    editorPlace, editorDelete, editorUndo, checkpoint, finish, newRecord,
};
inline constexpr int effectCount = static_cast<int>(Effect::newRecord) + 1;

// The file each effect plays, from the game's one data file list.
const Game::DataFile& effectFile(Effect effect);
// The wind loop at pitch 0 (low), 1 or 2 (high).
const Game::DataFile& windFile(int pitch);

} // namespace Audio

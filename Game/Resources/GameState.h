#pragma once

#include <cstdint>

namespace Game {

// What the game is doing now; shared by pointer with the world's systems,
// the menus and the editor.
struct GameState {
    static constexpr uint32_t modeMainMenu = 0;
    static constexpr uint32_t modeSingleplayer = 1;
    static constexpr uint32_t modeMapEditor = 2;

    uint32_t mode = modeMainMenu;
    // The pause menu of the current mode is open.
    bool paused = false;
    // A name prompt or a question is open; it takes the keys, Escape included.
    bool dialogOpen = false;
    // The interface (menus, editor tool bar) is drawn and the mouse is free.
    bool uiVisible = true;
};

} // namespace Game

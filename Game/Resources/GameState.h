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
    // The game was started from the editor to try the level out: F5 and the
    // pause menu lead back to the editor, never to the main menu, and the
    // run leaves no records behind.
    bool playTest = false;
};

} // namespace Game

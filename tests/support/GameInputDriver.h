#pragma once

#include "Engine/Core/GameEngine.h"
#include "Game/Controller/GameController.h"
#include "Game/Resources/GameState.h"

#include <SDL_scancode.h>
#include <glm/glm.hpp>

#include <array>
#include <cstdint>
#include <set>
#include <string>
#include <vector>

namespace GameTesting {

// What the player holds or does during one update step.
struct StepInput {
    std::set<int> keys;      // SDL scancodes held
    glm::ivec2 cursor{0, 0}; // GL window coordinates, origin bottom left
    uint32_t buttons = 0;    // SDL button mask held
    int wheel = 0;           // +1, -1 or 0
    std::vector<int> pressOrder{}; // key-downs in order; empty: the newly held keys
};

// The real engine (window, context, input records) and the real game in the
// current folder, stepped by hand. Each step goes through the engine's own
// input refresh: the keyboard reads this driver's key array as its platform
// state, and the mouse gets the cursor's move since the last step. A frame is
// drawn every `renderEvery` steps; GL errors it leaves behind are counted.
class GameInputDriver {
public:
    // The game's profile is a folder of its own holding a copy of the run
    // folder's settings, so that what the Options menu, a resize, a level
    // save or a race writes stays out of the run folder.
    explicit GameInputDriver(int renderEvery = 4);
    ~GameInputDriver();
    GameInputDriver(const GameInputDriver&) = delete;
    GameInputDriver& operator=(const GameInputDriver&) = delete;

    void step(const StepInput& input);
    void steps(int count, const StepInput& input = {});
    // Left button down for a few steps at the cursor position, then up there.
    void clickAt(glm::ivec2 cursor, const std::set<int>& keys = {});
    void clickElement(const std::string& name);
    void tapEscape();
    // The key down for a few steps, then up for a few.
    void tap(int scancode);

    // Centre of a named element of the menu on screen, GL window coordinates.
    glm::ivec2 elementCentre(const std::string& name) const;
    int aliveEntities() const;
    const Game::GameState& state() const { return controller.run().state; }

    Engine::GameEngine engine;
    const std::string profile; // the profile folder
    Game::GameController controller;
    int stepCount = 0;
    int framesDrawn = 0;
    int leftoverGLErrors = 0;

private:
    void refreshPad();

    std::array<uint8_t, SDL_NUM_SCANCODES> platformKeys{};
    int renderEvery;
    glm::ivec2 lastCursor{0, 0};
};

} // namespace GameTesting

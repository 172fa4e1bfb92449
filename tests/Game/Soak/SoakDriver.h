#pragma once

#include "Engine/Core/GameEngine.h"
#include "Game/Controller/GameController.h"

#include <cstdint>
#include <set>

#include <glm/glm.hpp>

namespace Soak {

// Everything the user holds or does during one update step.
struct UserInput {
    std::set<int> keys;       // SDL scancodes held
    glm::ivec2 cursor{0, 0};  // GL window coordinates, origin bottom left
    uint32_t buttons = 0;     // SDL button mask held
    int wheel = 0;            // +1, -1 or 0
};

// The real engine and game in a real window. Each step writes the input
// records through the same refresh the platform loop uses (motion taken
// from the cursor's move since the last step), runs one update, and draws
// a frame after every few steps. GL errors left over after a frame are
// counted here; the ones the game drains itself go to standard error.
class SoakDriver {
public:
    explicit SoakDriver(int renderEvery);
    ~SoakDriver();
    SoakDriver(const SoakDriver&) = delete;
    SoakDriver& operator=(const SoakDriver&) = delete;

    void step(const UserInput& input);

    int aliveEntities() const;

    Engine::GameEngine engine;
    Game::GameController controller;
    int stepCount = 0;
    int framesDrawn = 0;
    int leftoverGLErrors = 0;

private:
    void writeInput(const UserInput& input);
    void drawFrame();

    int renderEvery;
    glm::ivec2 lastCursor{0, 0};
};

// Resident memory of this process in bytes.
uint64_t residentBytes();

} // namespace Soak

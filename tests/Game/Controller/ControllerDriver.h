#pragma once

#include "Engine/Core/GameEngine.h"
#include "Game/Controller/GameController.h"

#include <cstdint>
#include <set>
#include <string>

#include <glm/glm.hpp>

namespace ControllerTest {

// What the player does during one update step.
struct StepInput {
    std::set<int> keys;      // SDL scancodes held
    glm::ivec2 mouse{0, 0};  // GL window coordinates, origin bottom left
    uint32_t buttons = 0;    // SDL button mask held
};

// The real engine (window, context, input records) and the real game,
// stepped by hand: the input records are written as the engine's refresh
// would write them, then the game's update runs, and a frame is drawn
// after every few steps.
class ControllerDriver {
public:
    static constexpr int stepsPerFrame = 4;
    static constexpr float frameAlpha = 0.5f;

    ControllerDriver();
    ~ControllerDriver();

    void step(const StepInput& input);
    void steps(int count, const StepInput& input);

    // Presses the left button over the centre of a named interface element
    // for a few steps, then releases it there.
    void clickElement(const std::string& name);
    void clickAt(glm::ivec2 position);
    // Escape down for a few steps, then up.
    void tapEscape();

    // Entities handed out and not yet destroyed.
    int aliveEntities() const;
    glm::ivec2 elementCentre(const std::string& name) const;

    Engine::GameEngine engine;
    Game::GameController controller;
    int stepCount = 0;

private:
    void writeInput(const StepInput& input);
};

} // namespace ControllerTest

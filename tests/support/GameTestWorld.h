#pragma once

#include "Engine/Core/KeyboardState.h"
#include "Engine/Core/MouseState.h"
#include "Engine/Core/PadState.h"
#include "Engine/Core/StepInput.h"
#include "Engine/ECS/EntityManager.h"
#include "Game/Physics/ContactDispatch.h"
#include "Game/Physics/PhysicsWorld.h"

#include <SDL_scancode.h>
#include <glm/glm.hpp>
#include <glm/gtc/quaternion.hpp>

#include <array>
#include <cstdint>
#include <vector>

namespace GameTesting {

// A step's input as the engine gathers it from the platform's key-down
// events: the keys in `order` when it is not empty, else the keys `keys`
// holds that `keyboard` did not hold in the step before, in scancode order.
// Ctrl is down for every press when `keys` holds either Ctrl key.
Engine::StepInput keyDownsOf(const uint8_t* keys, const Engine::KeyboardState& keyboard, std::vector<int> order);

// An entity manager with the game's component types over a real physics
// world (bodies join it through the game's collider system on refresh), and
// input records that the test fills by hand and commits through the engine's
// own refresh, as one game step does.
class GameTestWorld {
public:
    static constexpr int32_t windowWidth = 640;
    static constexpr int32_t windowHeight = 480;

    GameTestWorld();

    // This step's input: what `keys` and `buttons` hold, the key-downs (see
    // keyDownsOf, then `pressOrder` is emptied), the cursor in window
    // coordinates (origin top left) and the step's mouse totals.
    void refreshInput(glm::ivec2 cursor = {windowWidth / 2, windowHeight / 2}, glm::ivec2 motion = {0, 0},
                      int wheel = 0);

    // The player as the game builds it, minus the camera and render parts; it
    // steers with `keys` and the mouse. One game update step for it:
    uint32_t addPlayer();
    void stepPlayer();
    void stepsPlayer(int count);

    // A static level box of the given size, turned by `rotation`.
    uint32_t addBox(const glm::vec3& centre, const glm::vec3& size, const glm::quat& rotation = glm::quat(1, 0, 0, 0));

    // Declared first so that it outlives the bodies in the world.
    PhysicsWorld physics;
    Engine::ECS::EntityManager world;
    std::array<uint8_t, SDL_NUM_SCANCODES> keys{};
    std::vector<int> pressOrder;
    uint32_t buttons = 0; // SDL button mask
    Engine::KeyboardState keyboard;
    Engine::MouseState mouse;
    Engine::PadState pad;
    GamePhysics::ContactRecord contacts;

private:
    bool playerSystemAdded = false;
};

} // namespace GameTesting

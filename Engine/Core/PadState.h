#pragma once

#include <array>
#include <cstdint>

namespace Engine {

// A stick after its dead zone: each axis in [-1, 1], y up, length at most 1.
struct Stick {
    float x = 0.0f;
    float y = 0.0f;
    float length() const;
};

// What the platform reports of a game controller at refresh time: axes as
// SDL gives them (sticks -32768..32767 with y down, triggers 0..32767) in
// SDL_GameControllerAxis order, and a bit per SDL_GameControllerButton.
struct PadReading {
    bool connected = false;
    std::array<int16_t, 6> axes{};
    uint32_t buttons = 0;
};

// The game controller as one update step sees it, and the one before: the
// sticks after their dead zone, the right trigger, and its buttons. Besides
// SDL's buttons it has virtual ones that are held while a stick is pushed
// far in a direction or the right trigger is pulled far, so menus step
// through buttons with the stick as with the d-pad, and the trigger holds
// like a button. With nothing connected every input reads as released.
class PadState {
public:
    // SDL's buttons keep SDL_GameControllerButton's numbers (A is 0).
    static constexpr int leftStickUp = 24;
    static constexpr int leftStickDown = 25;
    static constexpr int leftStickLeft = 26;
    static constexpr int leftStickRight = 27;
    static constexpr int rightTriggerPulled = 28;
    // A stick pushed less far than this is at rest; beyond it the push is
    // rescaled from 0, so walking starts smoothly at the dead zone's edge.
    static constexpr float deadZone = 0.2f;
    // How far a stick or the trigger must go to hold a virtual button.
    static constexpr float virtualPress = 0.5f;

    void refresh(const PadReading& reading);

    bool held(int button) const { return (buttons >> button & 1u) != 0; }
    bool pressed(int button) const { return held(button) && (previousButtons >> button & 1u) == 0; }

    bool connected = false;
    Stick leftStick;
    Stick rightStick;
    float rightTrigger = 0.0f; // 0..1
    uint32_t buttons = 0;
    uint32_t previousButtons = 0;
};

// A stick's two axes as SDL reports them (y down) after a round dead zone,
// y up. Its direction is kept and its length rescaled from the dead zone's
// edge (0) to full tilt (1), capped at 1 for the corners of square gates.
Stick stickAfterDeadZone(int16_t x, int16_t y, float deadZone = PadState::deadZone);

} // namespace Engine

#include "Engine/Core/PadState.h"

#include <algorithm>
#include <cmath>

namespace Engine {

namespace {
constexpr float axisScale = 32767.0f;
// SDL_GameControllerAxis numbers.
constexpr int leftX = 0;
constexpr int leftY = 1;
constexpr int rightX = 2;
constexpr int rightY = 3;
constexpr int triggerRight = 5;

uint32_t bit(int button) { return 1u << button; }
} // namespace

float Stick::length() const
{
    return std::sqrt(x * x + y * y);
}

Stick stickAfterDeadZone(int16_t x, int16_t y, float deadZone)
{
    // -32768 reads as just past full tilt; the cap below takes it back.
    const Stick raw{static_cast<float>(x) / axisScale, -static_cast<float>(y) / axisScale};
    const float length = raw.length();
    if (length <= deadZone) return Stick{};
    const float rescaled = std::min(1.0f, (length - deadZone) / (1.0f - deadZone));
    return Stick{raw.x / length * rescaled, raw.y / length * rescaled};
}

void PadState::refresh(const PadReading& reading)
{
    previousButtons = buttons;
    connected = reading.connected;
    if (!connected) {
        *this = PadState{false, {}, {}, 0.0f, 0, previousButtons};
        return;
    }
    leftStick = stickAfterDeadZone(reading.axes[leftX], reading.axes[leftY]);
    rightStick = stickAfterDeadZone(reading.axes[rightX], reading.axes[rightY]);
    rightTrigger = std::clamp(static_cast<float>(reading.axes[triggerRight]) / axisScale, 0.0f, 1.0f);
    buttons = reading.buttons;
    if (leftStick.y > virtualPress) buttons |= bit(leftStickUp);
    if (leftStick.y < -virtualPress) buttons |= bit(leftStickDown);
    if (leftStick.x < -virtualPress) buttons |= bit(leftStickLeft);
    if (leftStick.x > virtualPress) buttons |= bit(leftStickRight);
    if (rightTrigger > virtualPress) buttons |= bit(rightTriggerPulled);
}

} // namespace Engine

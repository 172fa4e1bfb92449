#pragma once

namespace Game {

// The steps Ctrl snaps a drag to: a length for moving and resizing, halved
// and doubled within [smallest, largest], and an angle for turning, cycled
// through a fixed list.
struct SnapSteps {
    static constexpr float smallestLength = 0.125f;
    static constexpr float largestLength = 8.0f;
    static constexpr float angles[] = {5.0f, 15.0f, 45.0f};

    float length = 0.5f;
    float angleDegrees = 15.0f;

    // `[`: half the length, not below smallestLength.
    void finerLength();
    // `]`: twice the length, not above largestLength.
    void coarserLength();
    // `[` and `]` with the rotate tool: the previous or next angle of the
    // list, wrapping round at either end.
    void previousAngle();
    void nextAngle();
};

} // namespace Game

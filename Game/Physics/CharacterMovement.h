#pragma once

#include <glm/glm.hpp>

// The walking rules of the player, as plain arithmetic on the horizontal
// velocity (m/s), run once per update step.
namespace GamePhysics::CharacterMovement {

// The direction keys held in a step.
struct MoveKeys {
    bool forward = false;  // W
    bool left = false;     // A
    bool back = false;     // S
    bool right = false;    // D

    bool any() const { return forward || left || back || right; }
};

// Degrees to add to the yaw to get the walking heading: 0 forward, 90 left,
// 180 back, 270 right, the mean of the held keys' angles in between. W with A
// is 45; W with S walks forward and A with D walks right (-90).
float headingOffset(const MoveKeys& keys);

// A walk from the left stick (x right, y forward, length at most 1): degrees
// to add to the yaw as headingOffset gives them (pushing left is 90), and the
// push's length as the fraction of the walking speed to reach.
struct StickWalk {
    float headingOffset = 0.0f;
    float speedFraction = 0.0f;
};
StickWalk stickWalk(float x, float y);

// Takes `friction` off the speed without reversing it.
glm::vec2 applyFriction(const glm::vec2& velocity, float friction);

// Pushes the velocity towards the heading by acceleration + friction (so the
// net gain after friction is `acceleration`). Key input never raises the speed
// above maxSpeed, but never cuts a faster speed either: it only turns it.
glm::vec2 accelerate(const glm::vec2& velocity, float headingRadians, float acceleration, float friction,
                     float maxSpeed);

} // namespace GamePhysics::CharacterMovement

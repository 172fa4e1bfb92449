#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include <glm/glm.hpp>

#include "Game/Audio/SoundEffect.h"

namespace Audio {

// What the sound system reads of the player in one step.
struct PlayerView {
    bool grounded = true;
    float verticalSpeed = 0.0f; // m/s, up positive
    glm::vec3 velocity{0.0f};   // m/s, the whole motion
    glm::vec3 position{0.0f};
    float yawDegrees = 0.0f;
    bool hooked = false;
    glm::vec3 hookPoint{0.0f};
    uint32_t ropeShots = 0;
    float animationPhase = 0.0f; // the running clip, 0..1
};

// One effect to play: how loud (0..1), and the world point it comes from
// when it is not the player's own sound.
struct Cue {
    Effect effect = Effect::footstep;
    float loudness = 1.0f;
    std::optional<glm::vec3> from;
    bool operator==(const Cue& other) const
    {
        return effect == other.effect && loudness == other.loudness && from == other.from;
    }
};

// Speeds up from the ground faster than this are a jump; walking off an
// edge starts a fall at no upward speed.
inline constexpr float jumpFromSpeed = 2.0f; // m/s

// The effects of what changed from one step to the next: a jump when the
// player leaves the ground upwards, a landing as loud as the fall was fast, a
// footstep at each foot plant while running on the ground, the rope's firing,
// its catch at the hook point and its release.
std::vector<Cue> playerCues(const PlayerView& before, const PlayerView& now);

} // namespace Audio

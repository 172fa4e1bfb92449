#pragma once

#include <cstdint>

#include <glm/glm.hpp>

// How loud and where the game's sounds play, as plain functions of what the
// player does: the mapping the sound system applies every step.
namespace Audio::SoundRules {

// Falls slower than this are a step down, not a landing.
inline constexpr float softestLanding = 3.0f; // m/s downwards
inline constexpr float hardestLanding = 20.0f;
inline constexpr float softLandingLoudness = 0.2f;
// The wind rises from silence at the first speed to full at the second.
inline constexpr float windFromSpeed = 6.0f; // m/s
inline constexpr float windFullSpeed = 40.0f;
// Above these speeds the wind plays at its middle and high pitch.
inline constexpr float windMiddlePitchSpeed = 16.0f;
inline constexpr float windHighPitchSpeed = 28.0f;
inline constexpr int windPitches = 3;
// Footsteps only while running on the ground faster than this.
inline constexpr float footstepFromSpeed = 1.0f; // m/s
// The running clip holds four strides of two foot plants each, evenly
// spaced: the right foot lands as the clip starts, the left half a stride on.
inline constexpr int footContactsPerClip = 8;
// SDL_mixer's distance scale: 0 is at the listener, 255 is as far as heard.
inline constexpr int farthestMixerDistance = 255;
inline constexpr int fullMixerVolume = 128;

// 0 for a step down; from softLandingLoudness at softestLanding to 1 at
// hardestLanding and above, in proportion between.
float landingLoudness(float fallSpeed);

struct Wind {
    float volume = 0.0f; // 0..1
    int pitch = 0;       // 0 low, 1 middle, 2 high
    bool operator==(const Wind& other) const { return volume == other.volume && pitch == other.pitch; }
};
Wind windAt(float speed);

// True when the running clip's phase (0..1, wrapping) passed a foot plant
// going from previousPhase to phase: the plant at phase 0 counts once, in
// the step that wraps.
bool footPlanted(float previousPhase, float phase);

// Where a sound at `point` is heard by a listener at `listener` looking
// along `yawDegrees` (0 along +x, growing counter-clockwise seen from +z):
// angle in degrees clockwise from straight ahead (0..359, as Mix_SetPosition
// takes it) and distance 0..255 over `audibleRange` metres.
struct Placement {
    int16_t angle = 0;
    uint8_t distance = 0;
    bool operator==(const Placement& other) const { return angle == other.angle && distance == other.distance; }
};
Placement placeSound(const glm::vec3& listener, float yawDegrees, const glm::vec3& point, float audibleRange);

// The mixer's volume (0..128) for a volume setting in percent and an
// effect's own loudness (0..1).
int mixerVolume(int percent, float loudness = 1.0f);

} // namespace Audio::SoundRules

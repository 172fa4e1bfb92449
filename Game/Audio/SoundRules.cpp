#include "Game/Audio/SoundRules.h"

#include <algorithm>
#include <cmath>

#include <glm/gtc/constants.hpp>

namespace Audio::SoundRules {

namespace {
// Where x lies from a to b, clamped to 0..1.
float progress(float x, float a, float b)
{
    return std::clamp((x - a) / (b - a), 0.0f, 1.0f);
}

int contactsPassed(float phase)
{
    return static_cast<int>(std::floor(phase * static_cast<float>(footContactsPerClip)));
}
} // namespace

float landingLoudness(float fallSpeed)
{
    if (fallSpeed < softestLanding) return 0.0f;
    return softLandingLoudness + (1.0f - softLandingLoudness) * progress(fallSpeed, softestLanding, hardestLanding);
}

Wind windAt(float speed)
{
    const int pitch = speed >= windHighPitchSpeed ? 2 : speed >= windMiddlePitchSpeed ? 1 : 0;
    return Wind{progress(speed, windFromSpeed, windFullSpeed), pitch};
}

bool footPlanted(float previousPhase, float phase)
{
    if (phase < previousPhase) return true; // wrapped past the plant at 0
    return contactsPassed(phase) > contactsPassed(previousPhase);
}

Placement placeSound(const glm::vec3& listener, float yawDegrees, const glm::vec3& point, float audibleRange)
{
    const float yaw = glm::radians(yawDegrees);
    const glm::vec2 ahead(std::cos(yaw), std::sin(yaw));
    const glm::vec2 right(ahead.y, -ahead.x);
    const glm::vec2 offset(point.x - listener.x, point.y - listener.y);
    const float degrees = glm::degrees(std::atan2(glm::dot(offset, right), glm::dot(offset, ahead)));
    const int angle = (static_cast<int>(std::lround(degrees)) + 360) % 360;
    const float distance = progress(glm::length(point - listener), 0.0f, audibleRange);
    return Placement{static_cast<int16_t>(angle),
                     static_cast<uint8_t>(std::lround(distance * static_cast<float>(farthestMixerDistance)))};
}

int mixerVolume(int percent, float loudness)
{
    const float fraction = progress(static_cast<float>(percent), 0.0f, 100.0f) * std::clamp(loudness, 0.0f, 1.0f);
    return static_cast<int>(std::lround(fraction * static_cast<float>(fullMixerVolume)));
}

} // namespace Audio::SoundRules

#include "Game/Audio/PlayerCues.h"

#include "Game/Audio/SoundRules.h"

namespace Audio {

namespace {
float horizontalSpeed(const glm::vec3& velocity)
{
    return glm::length(glm::vec2(velocity.x, velocity.y));
}

void addGroundCues(const PlayerView& before, const PlayerView& now, std::vector<Cue>& cues)
{
    if (before.grounded && !now.grounded && now.verticalSpeed > jumpFromSpeed) cues.push_back({Effect::jump, 1.0f, std::nullopt});
    if (!before.grounded && now.grounded) {
        const float loudness = SoundRules::landingLoudness(-before.verticalSpeed);
        if (loudness > 0.0f) cues.push_back({Effect::landing, loudness, std::nullopt});
    }
    const bool running = before.grounded && now.grounded && horizontalSpeed(now.velocity) > SoundRules::footstepFromSpeed;
    if (running && SoundRules::footPlanted(before.animationPhase, now.animationPhase))
        cues.push_back({Effect::footstep, 1.0f, std::nullopt});
}

void addRopeCues(const PlayerView& before, const PlayerView& now, std::vector<Cue>& cues)
{
    if (now.ropeShots != before.ropeShots) cues.push_back({Effect::ropeFire, 1.0f, std::nullopt});
    if (!before.hooked && now.hooked) cues.push_back({Effect::ropeCatch, 1.0f, now.hookPoint});
    if (before.hooked && !now.hooked) cues.push_back({Effect::ropeRelease, 1.0f, std::nullopt});
}
} // namespace

std::vector<Cue> playerCues(const PlayerView& before, const PlayerView& now)
{
    std::vector<Cue> cues;
    addGroundCues(before, now, cues);
    addRopeCues(before, now, cues);
    return cues;
}

} // namespace Audio

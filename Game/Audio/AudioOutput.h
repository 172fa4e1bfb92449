#pragma once

#include <optional>

#include "Game/Audio/SoundEffect.h"
#include "Game/Audio/SoundRules.h"

namespace Audio {

// Where the sound system's decisions go: the mixer when a device is open,
// nothing when not, a recorder in tests.
class AudioOutput {
public:
    virtual ~AudioOutput() = default;

    // loudness 0..1; a placed effect is panned and faded by its placement.
    virtual void play(Effect effect, float loudness, std::optional<SoundRules::Placement> placement) = 0;
    // The wind loop's volume and pitch from now on (volume 0: stopped).
    virtual void setWind(const SoundRules::Wind& wind) = 0;
    // The player's volume setting, 0 (silent) to 100 percent.
    virtual void setVolume(int percent) = 0;
};

} // namespace Audio

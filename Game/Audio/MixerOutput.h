#pragma once

#include <array>
#include <memory>
#include <string>

#include "Game/Audio/AudioOutput.h"

struct Mix_Chunk;

namespace Audio {

// The sound device through SDL_mixer, with every effect and wind loop
// loaded. Only SDL calls: what to play and how loud is decided above.
class MixerOutput final : public AudioOutput {
public:
    // Opens the device and loads the sounds at the data file list's paths
    // (relative to the current folder). No device: one error line "NO
    // SOUND: <reason>" and a silent output. A sound file that does not load:
    // one error line naming it, and that sound stays silent.
    static std::unique_ptr<AudioOutput> open(int volumePercent);
    ~MixerOutput() override;
    MixerOutput(const MixerOutput&) = delete;
    MixerOutput& operator=(const MixerOutput&) = delete;

    void play(Effect effect, float loudness, std::optional<SoundRules::Placement> placement) override;
    void setWind(const SoundRules::Wind& wind) override;
    void setVolume(int percent) override;

private:
    explicit MixerOutput(int volumePercent);
    static Mix_Chunk* load(const Game::DataFile& file);
    void applyWindVolume();

    int volumePercent;
    std::array<Mix_Chunk*, effectCount> effects{};
    std::array<Mix_Chunk*, SoundRules::windPitches> windLoops{};
    SoundRules::Wind wind;
    // The channel the wind plays on; the other of the two reserved channels
    // fades out the pitch it replaced.
    int windChannel = 0;
};

// The output without a device: every call does nothing.
class SilentOutput final : public AudioOutput {
public:
    void play(Effect, float, std::optional<SoundRules::Placement>) override {}
    void setWind(const SoundRules::Wind&) override {}
    void setVolume(int) override {}
};

} // namespace Audio

#include "Game/Audio/MixerOutput.h"

#include "Engine/Base/Log.h"

#include <SDL.h>
#include <SDL_mixer.h>

namespace Audio {

namespace {
constexpr int outputRate = 44100;
constexpr int outputChannels = 2;
constexpr int bufferFrames = 1024; // 23 ms: late enough sounds are still felt as immediate
constexpr int mixingChannels = 16;
// Channels 0 and 1: the wind and the pitch it is leaving.
constexpr int windChannels = 2;
constexpr int windFadeMilliseconds = 150;
constexpr int loopForever = -1;

std::unique_ptr<AudioOutput> silent(const std::string& reason)
{
    Engine::logError("NO SOUND: " + reason);
    return std::make_unique<SilentOutput>();
}

// A free effect channel, or the one playing longest.
int freeChannel()
{
    const int free = Mix_GroupAvailable(-1);
    if (free >= 0) return free;
    const int oldest = Mix_GroupOldest(-1);
    if (oldest >= 0) Mix_HaltChannel(oldest);
    return oldest;
}
} // namespace

std::unique_ptr<AudioOutput> MixerOutput::open(int volumePercent)
{
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return silent(SDL_GetError());
    if (Mix_OpenAudio(outputRate, MIX_DEFAULT_FORMAT, outputChannels, bufferFrames) != 0) {
        const std::string reason = Mix_GetError();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return silent(reason);
    }
    Mix_AllocateChannels(mixingChannels);
    Mix_ReserveChannels(windChannels);
    return std::unique_ptr<AudioOutput>(new MixerOutput(volumePercent));
}

MixerOutput::MixerOutput(int volumePercent) : volumePercent(volumePercent)
{
    for (int effect = 0; effect < effectCount; ++effect)
        effects[effect] = load(effectFile(static_cast<Effect>(effect)));
    for (int pitch = 0; pitch < SoundRules::windPitches; ++pitch) windLoops[pitch] = load(windFile(pitch));
}

// The device goes before SDL's audio subsystem; if SDL has already shut
// down, so have the device and its chunks' users.
MixerOutput::~MixerOutput()
{
    if (SDL_WasInit(SDL_INIT_AUDIO) == 0) return;
    Mix_HaltChannel(-1);
    for (Mix_Chunk* chunk : effects) Mix_FreeChunk(chunk);
    for (Mix_Chunk* chunk : windLoops) Mix_FreeChunk(chunk);
    Mix_CloseAudio();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

Mix_Chunk* MixerOutput::load(const Game::DataFile& file)
{
    Mix_Chunk* chunk = Mix_LoadWAV(file.path);
    if (chunk == nullptr)
        Engine::logError(std::string("SOUND FILE ") + file.path + ": " + Mix_GetError() + "; that sound stays silent");
    return chunk;
}

void MixerOutput::play(Effect effect, float loudness, std::optional<SoundRules::Placement> placement)
{
    Mix_Chunk* chunk = effects[static_cast<std::size_t>(effect)];
    const int volume = SoundRules::mixerVolume(volumePercent, loudness);
    if (chunk == nullptr || volume == 0) return;
    const int channel = freeChannel();
    if (channel < 0) return;
    Mix_Volume(channel, volume);
    // (0, 0) takes a placement left from the channel's last sound away.
    const SoundRules::Placement at = placement.value_or(SoundRules::Placement{});
    Mix_SetPosition(channel, at.angle, at.distance);
    Mix_PlayChannel(channel, chunk, 0);
}

// A change of pitch fades the old loop out on one wind channel while the new
// one fades in on the other, so the switch has no click.
void MixerOutput::setWind(const SoundRules::Wind& next)
{
    const bool wasOn = wind.volume > 0.0f;
    const bool on = next.volume > 0.0f && volumePercent > 0 && windLoops[next.pitch] != nullptr;
    if (wasOn && (!on || next.pitch != wind.pitch)) Mix_FadeOutChannel(windChannel, windFadeMilliseconds);
    if (on && (!wasOn || next.pitch != wind.pitch)) {
        windChannel = 1 - windChannel;
        Mix_FadeInChannel(windChannel, windLoops[next.pitch], loopForever, windFadeMilliseconds);
    }
    wind = on ? next : SoundRules::Wind{};
    applyWindVolume();
}

void MixerOutput::setVolume(int percent)
{
    volumePercent = percent;
    if (percent == 0) setWind(SoundRules::Wind{});
    applyWindVolume();
}

void MixerOutput::applyWindVolume()
{
    if (wind.volume > 0.0f) Mix_Volume(windChannel, SoundRules::mixerVolume(volumePercent, wind.volume));
}

} // namespace Audio

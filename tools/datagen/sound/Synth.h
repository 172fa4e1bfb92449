#pragma once

#include <cstdint>
#include <vector>

#include "tools/datagen/sound/WavFile.h"

// Building blocks of the game's sound effects: signals in floats around 0,
// shaped and mixed, then scaled to 16-bit samples. Everything is
// deterministic, so two runs of the data tool write identical files.
namespace DataGen::Synth {

inline constexpr uint32_t sampleRate = 22050;

using Signal = std::vector<float>;

int sampleCount(float seconds);

// A sine whose frequency glides exponentially from startHz to endHz.
Signal sweep(float seconds, float startHz, float endHz);
// White noise in [-1, 1).
Signal noise(float seconds, uint32_t seed);
// Noise that repeats exactly after `seconds`: sines at every whole multiple
// of 1 / seconds between lowHz and highHz with seeded phases, so a loop of it
// has no seam.
Signal periodicNoise(float seconds, float lowHz, float highHz, uint32_t seed);

// One-pole filters: enough to make noise dull (a thud) or thin (a hiss).
void lowPass(Signal& signal, float cutoffHz);
void highPass(Signal& signal, float cutoffHz);

// Rises from 0 over `attack` seconds, then falls exponentially with time
// constant `decay`, and closes with a half-cosine fade over the last `fade`
// seconds, so the sound starts and ends at exactly 0 without a click.
void shape(Signal& signal, float attack, float decay, float fade);

// Adds `part` times gain into `into` from the given second on, growing it.
void mixInto(Signal& into, const Signal& part, float gain, float atSeconds = 0.0f);

// Scales the signal so its largest magnitude is `peak` of full scale
// (below 1, so nothing clips) and rounds it to 16-bit samples.
PcmSound toPcm(const Signal& signal, float peak);

} // namespace DataGen::Synth

#include "tools/datagen/sound/Synth.h"

#include <algorithm>
#include <cmath>

#include <glm/gtc/constants.hpp>

namespace DataGen::Synth {

namespace {
constexpr float fullScale = 32767.0f;

// xorshift32: the same sequence on every machine, unlike std::rand.
uint32_t nextRandom(uint32_t& state)
{
    state ^= state << 13;
    state ^= state >> 17;
    state ^= state << 5;
    return state;
}

float unitRandom(uint32_t& state)
{
    return static_cast<float>(nextRandom(state) >> 8) / static_cast<float>(1u << 24);
}

float onePoleFactor(float cutoffHz)
{
    return 1.0f - std::exp(-glm::two_pi<float>() * cutoffHz / static_cast<float>(sampleRate));
}
} // namespace

int sampleCount(float seconds)
{
    return static_cast<int>(std::lround(seconds * static_cast<float>(sampleRate)));
}

Signal sweep(float seconds, float startHz, float endHz)
{
    Signal signal(sampleCount(seconds));
    double phase = 0.0;
    for (std::size_t i = 0; i < signal.size(); ++i) {
        const double along = static_cast<double>(i) / static_cast<double>(signal.size());
        const double hz = startHz * std::pow(static_cast<double>(endHz) / startHz, along);
        signal[i] = static_cast<float>(std::sin(phase));
        phase += glm::two_pi<double>() * hz / sampleRate;
    }
    return signal;
}

Signal noise(float seconds, uint32_t seed)
{
    uint32_t state = seed | 1u;
    Signal signal(sampleCount(seconds));
    for (float& sample : signal) sample = 2.0f * unitRandom(state) - 1.0f;
    return signal;
}

Signal periodicNoise(float seconds, float lowHz, float highHz, uint32_t seed)
{
    uint32_t state = seed | 1u;
    Signal signal(sampleCount(seconds), 0.0f);
    const int first = static_cast<int>(std::ceil(lowHz * seconds));
    const int last = static_cast<int>(std::floor(highHz * seconds));
    for (int harmonic = first; harmonic <= last; ++harmonic) {
        const double phase = glm::two_pi<double>() * unitRandom(state);
        // Falling with frequency, as wind does, so the low roar carries.
        const double amplitude = 1.0 / std::sqrt(static_cast<double>(harmonic));
        const double step = glm::two_pi<double>() * harmonic / static_cast<double>(signal.size());
        for (std::size_t i = 0; i < signal.size(); ++i)
            signal[i] += static_cast<float>(amplitude * std::sin(phase + step * static_cast<double>(i)));
    }
    return signal;
}

void lowPass(Signal& signal, float cutoffHz)
{
    const float factor = onePoleFactor(cutoffHz);
    float state = 0.0f;
    for (float& sample : signal) sample = state += factor * (sample - state);
}

void highPass(Signal& signal, float cutoffHz)
{
    const float factor = onePoleFactor(cutoffHz);
    float low = 0.0f;
    for (float& sample : signal) {
        low += factor * (sample - low);
        sample -= low;
    }
}

void shape(Signal& signal, float attack, float decay, float fade)
{
    const float length = static_cast<float>(signal.size());
    const float attackSamples = std::max(1.0f, attack * sampleRate);
    const float fadeSamples = std::max(1.0f, fade * sampleRate);
    for (std::size_t i = 0; i < signal.size(); ++i) {
        const float t = static_cast<float>(i);
        const float rise = std::min(1.0f, t / attackSamples);
        const float fall = std::exp(-std::max(0.0f, t - attackSamples) / (decay * sampleRate));
        const float toEnd = std::clamp((length - 1.0f - t) / fadeSamples, 0.0f, 1.0f);
        const float close = 0.5f - 0.5f * std::cos(glm::pi<float>() * toEnd);
        signal[i] *= rise * fall * close;
    }
}

void mixInto(Signal& into, const Signal& part, float gain, float atSeconds)
{
    const std::size_t offset = static_cast<std::size_t>(sampleCount(atSeconds));
    into.resize(std::max(into.size(), offset + part.size()), 0.0f);
    for (std::size_t i = 0; i < part.size(); ++i) into[offset + i] += gain * part[i];
}

PcmSound toPcm(const Signal& signal, float peak)
{
    float largest = 0.0f;
    for (const float sample : signal) largest = std::max(largest, std::abs(sample));
    const float scale = largest > 0.0f ? peak * fullScale / largest : 0.0f;
    PcmSound sound{sampleRate, {}};
    sound.samples.reserve(signal.size());
    for (const float sample : signal) sound.samples.push_back(static_cast<int16_t>(std::lround(sample * scale)));
    return sound;
}

} // namespace DataGen::Synth

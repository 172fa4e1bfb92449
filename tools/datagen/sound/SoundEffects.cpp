#include "tools/datagen/sound/SoundEffects.h"

#include <cmath>
#include <functional>
#include <vector>

#include <glm/gtc/constants.hpp>

#include "tools/datagen/art/Art.h"
#include "tools/datagen/sound/Synth.h"

namespace DataGen {

namespace {

using namespace Synth;

// Peaks stay well below full scale: the mixer adds several effects at once.
constexpr float effectPeak = 0.6f;
constexpr float loopPeak = 0.5f;
// Every one-shot sound closes with this fade, so none ends in a click.
constexpr float closingFade = 0.02f;
constexpr float windLoopSeconds = 2.0f;

// A short note with a soft attack, for the interface's chimes.
Signal note(float hz, float seconds)
{
    Signal signal = sweep(seconds, hz, hz);
    mixInto(signal, sweep(seconds, 2.0f * hz, 2.0f * hz), 0.25f);
    shape(signal, 0.004f, seconds / 3.0f, closingFade);
    return signal;
}

// Notes one after another, each starting `gap` seconds after the last.
Signal arpeggio(const std::vector<float>& hz, float gap, float noteSeconds)
{
    Signal signal;
    for (std::size_t i = 0; i < hz.size(); ++i)
        mixInto(signal, note(hz[i], noteSeconds), 1.0f, gap * static_cast<float>(i));
    return signal;
}

// Dull noise with a low body under it: a foot or a body meeting the ground.
Signal thud(float seconds, float cutoffHz, float bodyHz, uint32_t seed)
{
    Signal signal = noise(seconds, seed);
    lowPass(signal, cutoffHz);
    lowPass(signal, cutoffHz);
    mixInto(signal, sweep(seconds, bodyHz, bodyHz * 0.6f), 0.3f);
    shape(signal, 0.003f, seconds / 4.0f, closingFade);
    return signal;
}

Signal footstep() { return thud(0.12f, 900.0f, 110.0f, 11); }
Signal landing() { return thud(0.3f, 500.0f, 70.0f, 12); }

Signal jump()
{
    Signal signal = sweep(0.18f, 260.0f, 520.0f);
    shape(signal, 0.01f, 0.08f, closingFade);
    return signal;
}

// Rushing air whose hiss rises: the rope leaving the hand.
Signal ropeFire()
{
    Signal signal = noise(0.25f, 13);
    highPass(signal, 800.0f);
    mixInto(signal, sweep(0.25f, 300.0f, 900.0f), 0.2f);
    shape(signal, 0.03f, 0.12f, closingFade);
    return signal;
}

// A hard metallic tick: inharmonic partials dying fast.
Signal ropeCatch()
{
    Signal signal;
    for (const float hz : {1250.0f, 1930.0f, 2710.0f}) mixInto(signal, sweep(0.16f, hz, hz), 1.0f);
    mixInto(signal, noise(0.16f, 14), 0.3f);
    shape(signal, 0.002f, 0.03f, closingFade);
    return signal;
}

Signal ropeRelease()
{
    Signal signal = sweep(0.14f, 620.0f, 310.0f);
    shape(signal, 0.005f, 0.05f, closingFade);
    return signal;
}

// A slow swell over the loop (whole cycles, so the seam stays closed) on
// top of band-limited periodic noise.
Signal wind(float pitch)
{
    Signal signal = periodicNoise(windLoopSeconds, 120.0f * pitch, 700.0f * pitch, 15);
    for (std::size_t i = 0; i < signal.size(); ++i) {
        const float along = static_cast<float>(i) / static_cast<float>(signal.size());
        signal[i] *= 0.75f + 0.25f * std::sin(glm::two_pi<float>() * 2.0f * along);
    }
    return signal;
}

Signal editorDelete()
{
    Signal signal = sweep(0.15f, 420.0f, 210.0f);
    shape(signal, 0.004f, 0.06f, closingFade);
    return signal;
}

struct SoundRecipe {
    Game::DataFile file;
    std::function<Signal()> make;
    float peak = effectPeak;
};

const std::vector<SoundRecipe>& recipes()
{
    using namespace Game::DataFiles;
    static const std::vector<SoundRecipe> all{
        {footstepSound, footstep},
        {jumpSound, jump},
        {landingSound, landing},
        {ropeFireSound, ropeFire},
        {ropeCatchSound, ropeCatch},
        {ropeReleaseSound, ropeRelease},
        {windLowSound, [] { return wind(1.0f); }, loopPeak},
        {windMiddleSound, [] { return wind(1.4f); }, loopPeak},
        {windHighSound, [] { return wind(2.0f); }, loopPeak},
        {menuHoverSound, [] { return note(880.0f, 0.06f); }},
        {menuClickSound, [] { return arpeggio({660.0f, 990.0f}, 0.035f, 0.07f); }},
        {editorPlaceSound, [] { return note(520.0f, 0.12f); }},
        {editorDeleteSound, editorDelete},
        {editorUndoSound, [] { return arpeggio({500.0f, 400.0f}, 0.06f, 0.08f); }},
        {checkpointSound, [] { return arpeggio({1046.5f, 1318.5f}, 0.1f, 0.2f); }},
        {finishSound, [] { return arpeggio({523.3f, 659.3f, 784.0f, 1046.5f}, 0.12f, 0.3f); }},
        {newRecordSound, [] { return arpeggio({784.0f, 1046.5f, 1318.5f, 1568.0f, 2093.0f}, 0.1f, 0.45f); }},
    };
    return all;
}

} // namespace

void writeSounds(const std::string& runDir)
{
    for (const SoundRecipe& recipe : recipes())
        writeWav(toPcm(recipe.make(), recipe.peak), outputPath(runDir, recipe.file));
}

} // namespace DataGen

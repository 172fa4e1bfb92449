#include "Game/UI/OptionTable.h"

#include <algorithm>
#include <cmath>
#include <charconv>
#include <limits>

#include "Engine/Base/Log.h"
#include "Engine/Config/IniReader.h"
#include "Engine/Graphics/Sampler.h"
#include "Game/UI/OptionCycles.h"

namespace UI {

namespace {

using Engine::WindowSettings;

constexpr double noLimit = std::numeric_limits<int32_t>::max();

// Smaller windows cannot hold the menus and the editor's bar.
constexpr double smallestWidth = 320;
constexpr double smallestHeight = 240;
constexpr double largestFiltering = 16;
constexpr double smallestRenderScale = 0.25;
constexpr double largestRenderScale = 1;
constexpr double slowestMouse = 0.1;
constexpr double fastestMouse = 10;
constexpr double largestVolume = 100;

float anisotropyOf(const WindowSettings& s, const OptionsTarget& target)
{
    return Engine::GFX::chooseAnisotropy(s.maxAnisotropy, target.largestAnisotropy());
}

void advanceResolution(WindowSettings& s, OptionsTarget& target)
{
    const glm::ivec2 size(s.resolutionWidth, s.resolutionHeight);
    const glm::ivec2 next = nextResolution(resolutionCycle(target.screenModes(), target.screenSize(), size), size);
    if (next == size || !target.resize(next).ok()) return;
    s.resolutionWidth = next.x;
    s.resolutionHeight = next.y;
}

const std::vector<OptionRow> rows = {
    {"Options_Resolution",
     {{"resolution_width", ValueKind::Whole, smallestWidth, noLimit, true,
       [](const WindowSettings& s) { return static_cast<double>(s.resolutionWidth); },
       [](WindowSettings& s, double v) { s.resolutionWidth = static_cast<int32_t>(v); }},
      {"resolution_height", ValueKind::Whole, smallestHeight, noLimit, true,
       [](const WindowSettings& s) { return static_cast<double>(s.resolutionHeight); },
       [](WindowSettings& s, double v) { s.resolutionHeight = static_cast<int32_t>(v); }}},
     [](const WindowSettings& s, const OptionsTarget&) {
         return resolutionLabel(glm::ivec2(s.resolutionWidth, s.resolutionHeight));
     },
     advanceResolution},
    {"Options_Fullscreen",
     {{"fullscreen", ValueKind::Flag, 0, 1, false, [](const WindowSettings& s) { return s.fullscreen ? 1.0 : 0.0; },
       [](WindowSettings& s, double v) { s.fullscreen = v != 0.0; }}},
     [](const WindowSettings& s, const OptionsTarget&) { return fullscreenLabel(s.fullscreen); },
     [](WindowSettings& s, OptionsTarget& target) {
         if (target.setFullscreen(!s.fullscreen).ok()) s.fullscreen = !s.fullscreen;
     }},
    {"Options_VSync",
     {{"vsync", ValueKind::Whole, -1, 1, false, [](const WindowSettings& s) { return static_cast<double>(s.vsync); },
       [](WindowSettings& s, double v) { s.vsync = static_cast<int32_t>(v); }}},
     [](const WindowSettings& s, const OptionsTarget&) { return vsyncLabel(s.vsync); },
     [](WindowSettings& s, OptionsTarget& target) {
         s.vsync = s.vsync != 0 ? 0 : 1;
         target.setSwapInterval(s.vsync);
     }},
    {"Options_TextureFiltering",
     {{"max_anisotropy", ValueKind::Decimal, 0, largestFiltering, false,
       [](const WindowSettings& s) { return double{s.maxAnisotropy}; },
       [](WindowSettings& s, double v) { s.maxAnisotropy = static_cast<float>(v); }}},
     [](const WindowSettings& s, const OptionsTarget& target) { return filteringLabel(anisotropyOf(s, target)); },
     [](WindowSettings& s, OptionsTarget& target) {
         s.maxAnisotropy = nextValue(anisotropyCycle(target.largestAnisotropy()), anisotropyOf(s, target));
         target.setAnisotropy(s.maxAnisotropy);
     }},
    {"Options_RenderScale",
     {{"render_scale", ValueKind::Decimal, smallestRenderScale, largestRenderScale, false,
       [](const WindowSettings& s) { return double{s.renderScale}; },
       [](WindowSettings& s, double v) { s.renderScale = static_cast<float>(v); }}},
     [](const WindowSettings& s, const OptionsTarget&) { return renderScaleLabel(s.renderScale); },
     [](WindowSettings& s, OptionsTarget& target) {
         s.renderScale = nextValue(renderScaleCycle(), s.renderScale);
         target.setRenderScale(s.renderScale);
     }},
    {"Options_MouseSpeed",
     {{"mouse_speed", ValueKind::Decimal, slowestMouse, fastestMouse, false,
       [](const WindowSettings& s) { return double{s.mouseSpeed}; },
       [](WindowSettings& s, double v) { s.mouseSpeed = static_cast<float>(v); }}},
     [](const WindowSettings& s, const OptionsTarget&) { return mouseSpeedLabel(s.mouseSpeed); },
     [](WindowSettings& s, OptionsTarget& target) {
         s.mouseSpeed = nextValue(mouseSpeedCycle(), s.mouseSpeed);
         target.setMouseSpeed(s.mouseSpeed);
     }},
    {"Options_Volume",
     {{"volume", ValueKind::Whole, 0, largestVolume, false, [](const WindowSettings& s) { return double(s.volume); },
       [](WindowSettings& s, double v) { s.volume = static_cast<int32_t>(v); }}},
     [](const WindowSettings& s, const OptionsTarget&) { return volumeLabel(s.volume); },
     [](WindowSettings& s, OptionsTarget& target) {
         s.volume = static_cast<int32_t>(nextValue(volumeCycle(), static_cast<float>(s.volume)));
         target.setVolume(s.volume);
     }},
};

double highestOf(const ProfileKey& key, int32_t largestTarget)
{
    return key.cappedByTargets ? std::min(key.highest, static_cast<double>(largestTarget)) : key.highest;
}

// The INI reader takes no exponents: fixed notation, with the fewest digits
// that read back as the same float ("0.75", "4").
std::string fixed(double value)
{
    char text[64];
    const std::to_chars_result written =
        std::to_chars(text, text + sizeof text, static_cast<float>(value), std::chars_format::fixed);
    return std::string(text, written.ptr);
}

std::string textOf(const ProfileKey& key, double value)
{
    switch (key.kind) {
    case ValueKind::Flag: return value != 0.0 ? "true" : "false";
    case ValueKind::Whole: return std::to_string(static_cast<int64_t>(value));
    case ValueKind::Decimal: return fixed(value);
    }
    return "";
}

// The value as the key holds it: whole numbers truncated toward zero.
double heldValue(const ProfileKey& key, const IniSectionData& section)
{
    const double value = section.getFloat(key.key);
    return key.kind == ValueKind::Whole ? std::trunc(value) : value;
}

void readKey(const ProfileKey& key, const IniSectionData& section, const std::string& path, int32_t largestTarget,
             WindowSettings& settings)
{
    if (key.kind == ValueKind::Flag) {
        if (section.hasBool(key.key)) key.set(settings, section.getBool(key.key) ? 1.0 : 0.0);
        return;
    }
    if (!section.hasFloat(key.key)) return;
    const double value = heldValue(key, section);
    const double highest = highestOf(key, largestTarget);
    if (std::isfinite(value) && value >= key.lowest && value <= highest) {
        key.set(settings, value);
        return;
    }
    Engine::logError(path + ": " + key.key + " = " + fixed(section.getFloat(key.key)) + " is outside " +
                     textOf(key, key.lowest) + " to " + textOf(key, highest) + ", using " +
                     textOf(key, key.get(settings)));
}

} // namespace

const std::vector<OptionRow>& optionRows()
{
    return rows;
}

WindowSettings readSettings(const IniData& ini, const std::string& path, int32_t largestTarget)
{
    WindowSettings settings;
    if (!ini.hasSection("")) return settings;
    const IniSectionData& section = ini.getSection("");
    for (const OptionRow& row : rows) {
        for (const ProfileKey& key : row.keys) {
            readKey(key, section, path, largestTarget, settings);
            if (std::string(key.key) == "resolution_width" && section.hasFloat(key.key)) Engine::log("DONE");
        }
    }
    return settings;
}

WindowSettings loadSettings(const std::string& path, int32_t largestTarget)
{
    return readSettings(loadIniFile(path), path, largestTarget);
}

std::vector<Engine::ConfigValue> profileValues(const WindowSettings& settings)
{
    std::vector<Engine::ConfigValue> values;
    for (const OptionRow& row : rows) {
        for (const ProfileKey& key : row.keys) {
            values.push_back({key.key, textOf(key, std::clamp(key.get(settings), key.lowest, key.highest))});
        }
    }
    return values;
}

Engine::Status saveSettings(const WindowSettings& settings, const std::string& path)
{
    return Engine::rewriteConfigFile(profileValues(settings), path);
}

} // namespace UI

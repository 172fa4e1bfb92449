#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include <glm/glm.hpp>

#include "Engine/Base/Status.h"
#include "Engine/Config/ConfigRewrite.h"
#include "Engine/Config/IniData.h"
#include "Engine/Config/WindowSettings.h"

// The Options menu's rows and the profile keys behind them, in one table:
// reading the profile, rewriting it and drawing the menu all walk it, so a
// new setting is one row here (and its field in Engine::WindowSettings).
namespace UI {

// Where the options take effect: the window, the driver and the game. Behind
// an interface so the cycling and saving run without a window.
class OptionsTarget {
public:
    virtual ~OptionsTarget() = default;

    virtual std::vector<glm::ivec2> screenModes() const = 0;
    virtual glm::ivec2 screenSize() const = 0;
    virtual float largestAnisotropy() const = 0;

    // A failure when the window system refused the size and the old one stays.
    virtual Engine::Status resize(glm::ivec2 size) = 0;
    // A failure when the window system refused the change.
    virtual Engine::Status setFullscreen(bool fullscreen) = 0;
    virtual void setSwapInterval(int32_t interval) = 0;
    virtual void setAnisotropy(float anisotropy) = 0;
    // The share of the window's size the 3D scene is drawn at.
    virtual void setRenderScale(float scale) = 0;
    virtual void setMouseSpeed(float speed) = 0;
    // 0 (silent) to 100 percent.
    virtual void setVolume(int32_t percent) = 0;
};

// How a key's value is written in the profile.
enum class ValueKind { Whole, Flag, Decimal };

// One key of the profile and the values it accepts; a value outside
// lowest .. highest (after truncation for whole numbers) falls back to the
// default. A key capped by the render targets is further held to the largest
// size GL gives a render target, known once the context exists.
struct ProfileKey {
    const char* key;
    ValueKind kind;
    double lowest;
    double highest;
    bool cappedByTargets;
    double (*get)(const Engine::WindowSettings&);
    void (*set)(Engine::WindowSettings&, double);
};

// One row of the Options menu: its element name, its keys, its label, and
// the step to its next value, applied at once.
struct OptionRow {
    const char* element;
    std::vector<ProfileKey> keys;
    std::string (*label)(const Engine::WindowSettings&, const OptionsTarget&);
    void (*advance)(Engine::WindowSettings&, OptionsTarget&);
};

// Top down, as the menu shows them (Back follows them).
const std::vector<OptionRow>& optionRows();

// The settings of the unnamed section, key by key; a key missing or of
// another type keeps its default silently, a value out of range keeps it
// with one line on the error stream naming the file, the key and the value.
// "DONE" is logged right after "resolution_width" is read.
Engine::WindowSettings readSettings(const IniData& ini, const std::string& path, int32_t largestTarget);
Engine::WindowSettings loadSettings(const std::string& path, int32_t largestTarget);

// Every key in the form the reader takes back: whole numbers, true/false,
// decimals in fixed notation, each held inside its range.
std::vector<Engine::ConfigValue> profileValues(const Engine::WindowSettings& settings);

// Rewrites the profile's lines of the table's keys (see rewriteConfigFile).
Engine::Status saveSettings(const Engine::WindowSettings& settings, const std::string& path = Engine::configFilePath);

} // namespace UI

#pragma once

#include <string>
#include <vector>

#include <glm/glm.hpp>

#include "Engine/Config/WindowSettings.h"

namespace UI {

// The rows of the Options menu, top down (Back follows them).
enum class OptionRow { Resolution, Fullscreen, VSync, TextureFiltering, RenderScale, MouseSpeed, Volume };

inline constexpr OptionRow optionRows[] = {OptionRow::Resolution,  OptionRow::Fullscreen, OptionRow::VSync,
                                           OptionRow::TextureFiltering, OptionRow::RenderScale,
                                           OptionRow::MouseSpeed,  OptionRow::Volume};

// Where the options take effect: the window, the driver and the game. Behind
// an interface so the cycling and saving run without a window.
class OptionsTarget {
public:
    virtual ~OptionsTarget() = default;

    virtual std::vector<glm::ivec2> screenModes() const = 0;
    virtual glm::ivec2 screenSize() const = 0;
    virtual float largestAnisotropy() const = 0;

    // False when the window system refused the size and the old one stays.
    virtual bool resize(glm::ivec2 size) = 0;
    // False when the window system refused the change.
    virtual bool setFullscreen(bool fullscreen) = 0;
    virtual void setSwapInterval(int32_t interval) = 0;
    virtual void setAnisotropy(float anisotropy) = 0;
    // The share of the window's size the 3D scene is drawn at.
    virtual void setRenderScale(float scale) = 0;
    virtual void setMouseSpeed(float speed) = 0;
    // 0 (silent) to 100 percent.
    virtual void setVolume(int32_t percent) = 0;
};

// The user's settings as the Options menu changes them: each click moves one
// setting to its next value, applies it at once and saves the profile.
class DisplayOptions {
public:
    DisplayOptions(const Engine::WindowSettings& settings, OptionsTarget* target,
                   std::string profilePath = Engine::configFilePath);

    void advance(OptionRow row);
    std::string label(OptionRow row) const;

    const Engine::WindowSettings& settings() const { return current; }

private:
    void advanceResolution();
    float anisotropy() const;

    Engine::WindowSettings current;
    OptionsTarget* target;
    std::string profilePath;
};

} // namespace UI

#pragma once

#include <string>

#include "Engine/Config/WindowSettings.h"
#include "Game/UI/OptionTable.h"

namespace UI {

// The user's settings as the Options menu changes them: each click moves one
// row's setting to its next value, applies it at once and saves the profile.
class DisplayOptions {
public:
    // The settings are the run's own, changed in place.
    DisplayOptions(Engine::WindowSettings& settings, OptionsTarget* target,
                   std::string profilePath = Engine::configFilePath);

    void advance(const OptionRow& row);
    std::string label(const OptionRow& row) const;

    const Engine::WindowSettings& settings() const { return current; }
    // A size the window took from elsewhere (the window system, or the user
    // dragging its border): saved as the size the user chose.
    void windowResized(int32_t width, int32_t height);

private:
    Engine::WindowSettings& current;
    OptionsTarget* target;
    std::string profilePath;
};

} // namespace UI

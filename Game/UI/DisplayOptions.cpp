#include "Game/UI/DisplayOptions.h"

#include <utility>

namespace UI {

DisplayOptions::DisplayOptions(Engine::WindowSettings& settings, OptionsTarget* target,
                               std::string profilePath)
    : current(settings), target(target), profilePath(std::move(profilePath))
{
}

void DisplayOptions::advance(const OptionRow& row)
{
    row.advance(current, *target);
    saveSettings(current, profilePath);
}

std::string DisplayOptions::label(const OptionRow& row) const
{
    return row.label(current, *target);
}

void DisplayOptions::windowResized(int32_t width, int32_t height)
{
    if (width == current.resolutionWidth && height == current.resolutionHeight) return;
    current.resolutionWidth = width;
    current.resolutionHeight = height;
    saveSettings(current, profilePath);
}

} // namespace UI

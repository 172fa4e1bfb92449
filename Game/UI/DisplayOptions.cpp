#include "Game/UI/DisplayOptions.h"

#include <utility>

#include "Engine/Config/ConfigRewrite.h"
#include "Engine/Graphics/Sampler.h"
#include "Game/UI/OptionCycles.h"

namespace UI {

DisplayOptions::DisplayOptions(const Engine::WindowSettings& settings, OptionsTarget* target,
                               std::string profilePath)
    : current(settings), target(target), profilePath(std::move(profilePath))
{
}

void DisplayOptions::advance(OptionRow row)
{
    switch (row) {
    case OptionRow::Resolution:
        advanceResolution();
        break;
    case OptionRow::Fullscreen:
        if (target->setFullscreen(!current.fullscreen)) current.fullscreen = !current.fullscreen;
        break;
    case OptionRow::VSync:
        current.vsync = current.vsync != 0 ? 0 : 1;
        target->setSwapInterval(current.vsync);
        break;
    case OptionRow::TextureFiltering:
        current.maxAnisotropy = nextValue(anisotropyCycle(target->largestAnisotropy()), anisotropy());
        target->setAnisotropy(current.maxAnisotropy);
        break;
    case OptionRow::RenderScale:
        current.renderScale = nextValue(renderScaleCycle(), current.renderScale);
        target->setRenderScale(current.renderScale);
        break;
    case OptionRow::MouseSpeed:
        current.mouseSpeed = nextValue(mouseSpeedCycle(), current.mouseSpeed);
        target->setMouseSpeed(current.mouseSpeed);
        break;
    case OptionRow::Volume:
        current.volume = static_cast<int32_t>(nextValue(volumeCycle(), static_cast<float>(current.volume)));
        target->setVolume(current.volume);
        break;
    }
    Engine::saveWindowSettings(current, profilePath);
}

std::string DisplayOptions::label(OptionRow row) const
{
    switch (row) {
    case OptionRow::Resolution:
        return resolutionLabel(glm::ivec2(current.resolutionWidth, current.resolutionHeight));
    case OptionRow::Fullscreen:
        return fullscreenLabel(current.fullscreen);
    case OptionRow::VSync:
        return vsyncLabel(current.vsync);
    case OptionRow::TextureFiltering:
        return filteringLabel(anisotropy());
    case OptionRow::RenderScale:
        return renderScaleLabel(current.renderScale);
    case OptionRow::MouseSpeed:
        return mouseSpeedLabel(current.mouseSpeed);
    case OptionRow::Volume:
        return volumeLabel(current.volume);
    }
    return "";
}

void DisplayOptions::advanceResolution()
{
    const glm::ivec2 size(current.resolutionWidth, current.resolutionHeight);
    const glm::ivec2 next = nextResolution(resolutionCycle(target->screenModes(), target->screenSize(), size), size);
    if (next == size || !target->resize(next)) return;
    current.resolutionWidth = next.x;
    current.resolutionHeight = next.y;
}

// What the textures filter with now: a request below 1 means the driver's largest.
float DisplayOptions::anisotropy() const
{
    return Engine::GFX::chooseAnisotropy(current.maxAnisotropy, target->largestAnisotropy());
}

} // namespace UI

#include "Engine/Config/WindowSettings.h"

#include "Engine/Config/IniReader.h"
#include "Engine/Base/Log.h"

#include <cmath>
#include <limits>
#include <sstream>

namespace Engine {

namespace {

// Numbers are truncated toward zero; one that no 32-bit integer holds (an
// overflowing literal reads as infinity) leaves the default instead of
// producing an undefined conversion.
void readWholeNumber(const IniSectionData& section, const std::string& key, int32_t& target)
{
    if (!section.hasFloat(key))
        return;
    const double truncated = std::trunc(static_cast<double>(section.getFloat(key)));
    const bool fits = truncated >= std::numeric_limits<int32_t>::min()
        && truncated <= std::numeric_limits<int32_t>::max();
    if (fits)
        target = static_cast<int32_t>(truncated);
}

void readRenderScale(const IniSectionData& section, const std::string& path, float& target)
{
    const char* const key = "render_scale";
    if (!section.hasFloat(key))
        return;
    const float scale = section.getFloat(key);
    if (scale >= smallestRenderScale && scale <= largestRenderScale) {
        target = scale;
        return;
    }
    std::ostringstream line;
    line << path << ": " << key << " = " << scale << " is out of range (" << smallestRenderScale << " to "
         << largestRenderScale << "), using " << target;
    logError(line.str());
}

void readVolume(const IniSectionData& section, const std::string& path, int32_t& target)
{
    const char* const key = "volume";
    if (!section.hasFloat(key))
        return;
    const float volume = section.getFloat(key);
    if (volume >= 0.0f && volume <= static_cast<float>(largestVolume) && volume == std::trunc(volume)) {
        target = static_cast<int32_t>(volume);
        return;
    }
    std::ostringstream line;
    line << path << ": " << key << " = " << volume << " is not a whole number from 0 to " << largestVolume
         << ", using " << target;
    logError(line.str());
}

} // namespace

WindowSettings readWindowSettings(const IniData& ini, const std::string& path)
{
    WindowSettings settings;
    if (!ini.hasSection(""))
        return settings;
    const IniSectionData& section = ini.getSection("");
    readWholeNumber(section, "vsync", settings.vsync);
    if (section.hasBool("fullscreen"))
        settings.fullscreen = section.getBool("fullscreen");
    if (section.hasFloat("resolution_width")) {
        readWholeNumber(section, "resolution_width", settings.resolutionWidth);
        log("DONE");
    }
    readWholeNumber(section, "resolution_height", settings.resolutionHeight);
    if (section.hasFloat("max_anisotropy") && std::isfinite(section.getFloat("max_anisotropy")))
        settings.maxAnisotropy = section.getFloat("max_anisotropy");
    if (section.hasFloat("mouse_speed") && std::isfinite(section.getFloat("mouse_speed"))
        && section.getFloat("mouse_speed") > 0.0f)
        settings.mouseSpeed = section.getFloat("mouse_speed");
    readRenderScale(section, path, settings.renderScale);
    readVolume(section, path, settings.volume);
    return settings;
}

WindowSettings loadWindowSettings(const std::string& path)
{
    return readWindowSettings(loadIniFile(path), path);
}

} // namespace Engine

#pragma once

#include "Engine/Config/IniData.h"

#include <cstdint>
#include <string>

namespace Engine {

// The user's window configuration, read from the unnamed section of
// ./profile/config.cfg. A key missing or of the wrong type keeps its default.
struct WindowSettings {
    bool fullscreen = false;
    int32_t vsync = 0; // swap interval: 0 off, 1 on, -1 adaptive
    int32_t resolutionWidth = 1280;
    int32_t resolutionHeight = 720;
};

inline const char* const configFilePath = "./profile/config.cfg";

// Reads "vsync", "fullscreen", "resolution_width" and "resolution_height"
// in that order, logging "DONE" right after "resolution_width" is read.
WindowSettings readWindowSettings(const IniData& ini);

WindowSettings loadWindowSettings(const std::string& path = configFilePath);

} // namespace Engine

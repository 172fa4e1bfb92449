#pragma once

#include "Engine/Config/IniData.h"

#include <cstdint>
#include <string>

namespace Engine {

// The user's display configuration, read from the unnamed section of
// ./profile/config.cfg. A key missing or of the wrong type keeps its default.
struct WindowSettings {
    bool fullscreen = false;
    int32_t vsync = 0; // swap interval: 0 off, 1 on, -1 adaptive
    int32_t resolutionWidth = 1280;
    int32_t resolutionHeight = 720;
    // The most anisotropic filtering the textures ask for; 0 (or anything
    // below 1) asks for the largest the driver offers.
    float maxAnisotropy = 0.0f;
    // Scales mouse look; 1 is the game's own speed.
    float mouseSpeed = 1.0f;
};

inline const char* const configFilePath = "./profile/config.cfg";

// Reads "vsync", "fullscreen", "resolution_width", "resolution_height",
// "max_anisotropy" and "mouse_speed" in that order, logging "DONE" right
// after "resolution_width" is read. A mouse speed must be above 0.
WindowSettings readWindowSettings(const IniData& ini);

WindowSettings loadWindowSettings(const std::string& path = configFilePath);

} // namespace Engine

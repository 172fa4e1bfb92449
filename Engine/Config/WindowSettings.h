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
    // The share of the window's width and height the 3D scene is drawn at.
    float renderScale = 1.0f;
};

// The render scales a profile may ask for; anything else falls back to 1.
inline constexpr float smallestRenderScale = 0.25f;
inline constexpr float largestRenderScale = 1.0f;

inline const char* const configFilePath = "./profile/config.cfg";

// Reads "vsync", "fullscreen", "resolution_width", "resolution_height",
// "max_anisotropy", "mouse_speed" and "render_scale" in that order, logging
// "DONE" right after "resolution_width" is read. A mouse speed must be above
// 0. A render scale outside its range keeps the default and logs one error
// line naming the file (`path`), the key and the value.
WindowSettings readWindowSettings(const IniData& ini, const std::string& path = configFilePath);

WindowSettings loadWindowSettings(const std::string& path = configFilePath);

} // namespace Engine

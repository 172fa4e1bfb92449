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
    // The loudness of every sound in percent; 0 is silent.
    int32_t volume = 80;
};

// The render scales a profile may ask for; anything else falls back to 1.
inline constexpr float smallestRenderScale = 0.25f;
inline constexpr float largestRenderScale = 1.0f;

inline constexpr int32_t largestVolume = 100;

inline const char* const configFilePath = "./profile/config.cfg";

// Reads "vsync", "fullscreen", "resolution_width", "resolution_height",
// "max_anisotropy", "mouse_speed", "render_scale" and "volume" in that order,
// logging "DONE" right after "resolution_width" is read. A mouse speed must be
// above 0. A render scale or volume (a whole number, 0 to 100) outside its
// range keeps the default and logs one error line naming the file (`path`),
// the key and the value.
WindowSettings readWindowSettings(const IniData& ini, const std::string& path = configFilePath);

WindowSettings loadWindowSettings(const std::string& path = configFilePath);

} // namespace Engine

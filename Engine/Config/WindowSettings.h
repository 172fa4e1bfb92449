#pragma once

#include <cstdint>
#include <string>

namespace Engine {

// The user's display configuration, kept in the unnamed section of
// ./profile/config.cfg; the game's option table reads and writes it.
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

inline const char* const configFilePath = "./profile/config.cfg";

} // namespace Engine

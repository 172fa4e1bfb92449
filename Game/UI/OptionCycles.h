#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include <glm/glm.hpp>

// The values each row of the Options menu steps through and the rows'
// labels, as plain functions of what the screen and the driver offer.
namespace UI {

// The fixed sizes and the screen's own modes that fit on the screen, with the
// current size kept even when it is none of these; smallest width first,
// without repeats.
std::vector<glm::ivec2> resolutionCycle(const std::vector<glm::ivec2>& screenModes, glm::ivec2 screenSize,
                                        glm::ivec2 current);

// The size after the current one in the cycle, wrapping to the first.
glm::ivec2 nextResolution(const std::vector<glm::ivec2>& cycle, glm::ivec2 current);

// 1, 2, 4, 8, 16 up to the driver's largest (always at least 1).
std::vector<float> anisotropyCycle(float driverLargest);

// 0.5, 0.75, 1, 1.5, 2.
const std::vector<float>& mouseSpeedCycle();

// 0.5, 0.75, 1: the share of the window's size the 3D scene is drawn at.
const std::vector<float>& renderScaleCycle();

// 0, 25, 50, 75, 100 percent; 0 is silent.
const std::vector<float>& volumeCycle();

// The first value above the current one, wrapping to the first; a value the
// user wrote by hand between two steps goes on to the next step up.
float nextValue(const std::vector<float>& cycle, float current);

std::string resolutionLabel(glm::ivec2 size);
std::string fullscreenLabel(bool fullscreen);
std::string vsyncLabel(int32_t swapInterval);
std::string filteringLabel(float anisotropy);
std::string mouseSpeedLabel(float speed);
std::string renderScaleLabel(float scale);
std::string volumeLabel(int32_t percent);

} // namespace UI

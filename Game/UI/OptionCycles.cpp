#include "Game/UI/OptionCycles.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <tuple>

namespace UI {

namespace {

const glm::ivec2 fixedSizes[] = {{960, 540}, {1280, 720}, {1600, 900}, {1920, 1080}};
const float anisotropySteps[] = {1.0f, 2.0f, 4.0f, 8.0f, 16.0f};

bool narrower(glm::ivec2 a, glm::ivec2 b)
{
    return std::tie(a.x, a.y) < std::tie(b.x, b.y);
}

bool fits(glm::ivec2 size, glm::ivec2 screen)
{
    return size.x > 0 && size.y > 0 && size.x <= screen.x && size.y <= screen.y;
}

// Drops the zeros a fixed-point print leaves, keeping one decimal.
std::string decimal(float value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", static_cast<double>(value));
    std::string result(text);
    if (result.back() == '0') result.pop_back();
    return result;
}

} // namespace

std::vector<glm::ivec2> resolutionCycle(const std::vector<glm::ivec2>& screenModes, glm::ivec2 screenSize,
                                        glm::ivec2 current)
{
    std::vector<glm::ivec2> cycle{current};
    for (glm::ivec2 size : fixedSizes) {
        if (fits(size, screenSize)) cycle.push_back(size);
    }
    for (glm::ivec2 size : screenModes) {
        if (fits(size, screenSize)) cycle.push_back(size);
    }
    std::sort(cycle.begin(), cycle.end(), narrower);
    cycle.erase(std::unique(cycle.begin(), cycle.end()), cycle.end());
    return cycle;
}

glm::ivec2 nextResolution(const std::vector<glm::ivec2>& cycle, glm::ivec2 current)
{
    const auto at = std::find(cycle.begin(), cycle.end(), current);
    if (at == cycle.end() || at + 1 == cycle.end()) return cycle.front();
    return *(at + 1);
}

std::vector<float> anisotropyCycle(float driverLargest)
{
    std::vector<float> cycle;
    for (float step : anisotropySteps) {
        if (step == 1.0f || step <= driverLargest) cycle.push_back(step);
    }
    return cycle;
}

const std::vector<float>& mouseSpeedCycle()
{
    static const std::vector<float> cycle = {0.5f, 0.75f, 1.0f, 1.5f, 2.0f};
    return cycle;
}

const std::vector<float>& renderScaleCycle()
{
    static const std::vector<float> cycle = {0.5f, 0.75f, 1.0f};
    return cycle;
}

const std::vector<float>& volumeCycle()
{
    static const std::vector<float> cycle{0.0f, 25.0f, 50.0f, 75.0f, 100.0f};
    return cycle;
}

float nextValue(const std::vector<float>& cycle, float current)
{
    for (float value : cycle) {
        if (value > current) return value;
    }
    return cycle.front();
}

std::string resolutionLabel(glm::ivec2 size)
{
    return "Resolution: " + std::to_string(size.x) + " x " + std::to_string(size.y);
}

std::string fullscreenLabel(bool fullscreen)
{
    return std::string("Fullscreen: ") + (fullscreen ? "On" : "Off");
}

std::string vsyncLabel(int32_t swapInterval)
{
    return std::string("VSync: ") + (swapInterval != 0 ? "On" : "Off");
}

std::string filteringLabel(float anisotropy)
{
    return "Texture filtering: " + std::to_string(static_cast<int32_t>(std::lround(anisotropy))) + "x";
}

std::string mouseSpeedLabel(float speed)
{
    return "Mouse speed: " + decimal(speed);
}

std::string renderScaleLabel(float scale)
{
    return "Render scale: " + std::to_string(static_cast<int32_t>(std::lround(scale * 100.0f))) + "%";
}

std::string volumeLabel(int32_t percent)
{
    return "Volume: " + std::to_string(percent) + "%";
}

} // namespace UI

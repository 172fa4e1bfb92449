#include "Engine/Config/WindowSettings.h"
#include "Game/UI/DisplayOptions.h"
#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

// Records what reaches the window and the driver.
class RecordingTarget final : public UI::OptionsTarget {
public:
    std::vector<glm::ivec2> screenModes() const override { return {}; }
    glm::ivec2 screenSize() const override { return {1280, 720}; }
    float largestAnisotropy() const override { return 16.0f; }
    Engine::Status resize(glm::ivec2) override { return Engine::Status::success(); }
    Engine::Status setFullscreen(bool) override { return Engine::Status::success(); }
    void setSwapInterval(int32_t) override {}
    void setAnisotropy(float) override {}
    void setMouseSpeed(float) override {}
    void setRenderScale(float scale) override { renderScales.push_back(scale); }
    void setVolume(int32_t percent) override { volumes.push_back(percent); }

    std::vector<float> renderScales;
    std::vector<int32_t> volumes;
};

const UI::OptionRow& rowNamed(const std::string& element)
{
    const auto& rows = UI::optionRows();
    return *std::find_if(rows.begin(), rows.end(), [&](const UI::OptionRow& r) { return r.element == element; });
}

// Each click on the row moves the scale on, hands it to the renderer at
// once and leaves it in the profile for the next start.
TEST(DisplayOptions, TheRenderScaleRowAppliesEachStepAtOnceAndKeepsItInTheProfile)
{
    const TestFiles::TempDir folder;
    const std::string profile = folder.path("config.cfg");
    RecordingTarget target;
    Engine::WindowSettings settings;
    UI::DisplayOptions options(settings, &target, profile);
    const UI::OptionRow& row = rowNamed("Options_RenderScale");
    EXPECT_EQ(options.label(row), "Render scale: 100%");
    for (float expected : {0.5f, 0.75f, 1.0f}) {
        testing::internal::CaptureStdout();
        options.advance(row);
        const Engine::WindowSettings saved = UI::loadSettings(profile, 4096);
        testing::internal::GetCapturedStdout();
        EXPECT_EQ(target.renderScales.back(), expected);
        EXPECT_EQ(saved.renderScale, expected);
    }
    EXPECT_EQ(target.renderScales.size(), 3u);
    EXPECT_EQ(options.label(row), "Render scale: 100%");
}

// From the default 80 % on to 100, then silent, then up a quarter at a time.
TEST(DisplayOptions, TheVolumeRowGoesFromItsDefaultThroughEveryQuarterAndKeepsItInTheProfile)
{
    const TestFiles::TempDir folder;
    const std::string profile = folder.path("config.cfg");
    RecordingTarget target;
    Engine::WindowSettings settings;
    UI::DisplayOptions options(settings, &target, profile);
    const UI::OptionRow& row = rowNamed("Options_Volume");
    EXPECT_EQ(options.label(row), "Volume: 80%");
    for (int32_t expected : {100, 0, 25, 50, 75, 100}) {
        testing::internal::CaptureStdout();
        options.advance(row);
        const Engine::WindowSettings saved = UI::loadSettings(profile, 4096);
        testing::internal::GetCapturedStdout();
        EXPECT_EQ(target.volumes.back(), expected);
        EXPECT_EQ(saved.volume, expected);
        EXPECT_EQ(options.label(row), "Volume: " + std::to_string(expected) + "%");
    }
}

} // namespace

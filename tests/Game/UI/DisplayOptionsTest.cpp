#include "Engine/Config/WindowSettings.h"
#include "Game/UI/DisplayOptions.h"
#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>

namespace {

// Records what reaches the window and the driver.
class RecordingTarget final : public UI::OptionsTarget {
public:
    std::vector<glm::ivec2> screenModes() const override { return {}; }
    glm::ivec2 screenSize() const override { return {1280, 720}; }
    float largestAnisotropy() const override { return 16.0f; }
    bool resize(glm::ivec2) override { return true; }
    bool setFullscreen(bool) override { return true; }
    void setSwapInterval(int32_t) override {}
    void setAnisotropy(float) override {}
    void setMouseSpeed(float) override {}
    void setRenderScale(float scale) override { renderScales.push_back(scale); }
    void setVolume(int32_t percent) override { volumes.push_back(percent); }

    std::vector<float> renderScales;
    std::vector<int32_t> volumes;
};

// Each click on the row moves the scale on, hands it to the renderer at
// once and leaves it in the profile for the next start.
TEST(DisplayOptions, TheRenderScaleRowAppliesEachStepAtOnceAndKeepsItInTheProfile)
{
    const TestFiles::TempDir folder;
    const std::string profile = folder.path("config.cfg");
    RecordingTarget target;
    UI::DisplayOptions options(Engine::WindowSettings{}, &target, profile);
    EXPECT_EQ(options.label(UI::OptionRow::RenderScale), "Render scale: 100%");
    for (float expected : {0.5f, 0.75f, 1.0f}) {
        testing::internal::CaptureStdout();
        options.advance(UI::OptionRow::RenderScale);
        const Engine::WindowSettings saved = Engine::loadWindowSettings(profile);
        testing::internal::GetCapturedStdout();
        EXPECT_EQ(target.renderScales.back(), expected);
        EXPECT_EQ(saved.renderScale, expected);
    }
    EXPECT_EQ(target.renderScales.size(), 3u);
    EXPECT_EQ(options.label(UI::OptionRow::RenderScale), "Render scale: 100%");
}

TEST(DisplayOptions, TheVolumeRowGoesFromItsDefaultThroughEveryQuarterToSilentAndKeepsItInTheProfile)
{
    const TestFiles::TempDir folder;
    const std::string profile = folder.path("config.cfg");
    RecordingTarget target;
    UI::DisplayOptions options(Engine::WindowSettings{}, &target, profile);
    EXPECT_EQ(options.label(UI::OptionRow::Volume), "Volume: 80%");
    for (int32_t expected : {100, 0, 25, 50, 75, 100}) {
        testing::internal::CaptureStdout();
        options.advance(UI::OptionRow::Volume);
        const Engine::WindowSettings saved = Engine::loadWindowSettings(profile);
        testing::internal::GetCapturedStdout();
        EXPECT_EQ(target.volumes.back(), expected);
        EXPECT_EQ(saved.volume, expected);
        EXPECT_EQ(options.label(UI::OptionRow::Volume), "Volume: " + std::to_string(expected) + "%");
    }
}

} // namespace

#include "Game/UI/OptionCycles.h"

#include <gtest/gtest.h>

namespace {

using Sizes = std::vector<glm::ivec2>;

} // namespace

TEST(OptionCycles, ResolutionsFitTheScreenKeepTheCurrentSizeAndWrap)
{
    const struct {
        Sizes modes;
        glm::ivec2 screen, current;
        Sizes cycle;
        glm::ivec2 next;
    } cases[] = {
        {{{1280, 720}}, {1280, 720}, {1280, 720}, {{960, 540}, {1280, 720}}, {960, 540}},
        {{{1920, 1080}, {1024, 768}, {2560, 1440}}, {1920, 1080}, {960, 540},
         {{960, 540}, {1024, 768}, {1280, 720}, {1600, 900}, {1920, 1080}}, {1024, 768}},
        {{}, {1280, 720}, {1000, 700}, {{960, 540}, {1000, 700}, {1280, 720}}, {1280, 720}},
        {{}, {1280, 720}, {3000, 2000}, {{960, 540}, {1280, 720}, {3000, 2000}}, {960, 540}},
        {{}, {800, 600}, {640, 480}, {{640, 480}}, {640, 480}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.current.x << " x " << c.current.y);
        const Sizes cycle = UI::resolutionCycle(c.modes, c.screen, c.current);
        EXPECT_EQ(cycle, c.cycle);
        EXPECT_EQ(UI::nextResolution(cycle, c.current), c.next);
    }
}

TEST(OptionCycles, FilteringIsCappedByTheDriverAndValuesStepUpThenWrap)
{
    EXPECT_EQ(UI::anisotropyCycle(16.0f), (std::vector<float>{1, 2, 4, 8, 16}));
    EXPECT_EQ(UI::anisotropyCycle(4.0f), (std::vector<float>{1, 2, 4}));
    EXPECT_EQ(UI::anisotropyCycle(0.0f), (std::vector<float>{1}));
    const struct {
        float current, next;
    } speeds[] = {{0.5f, 0.75f}, {1.0f, 1.5f}, {2.0f, 0.5f}, {1.2f, 1.5f}, {5.0f, 0.5f}, {0.1f, 0.5f}};
    for (const auto& s : speeds) EXPECT_EQ(UI::nextValue(UI::mouseSpeedCycle(), s.current), s.next) << s.current;
    EXPECT_EQ(UI::nextValue(UI::anisotropyCycle(4.0f), 4.0f), 1.0f);
}

TEST(OptionCycles, RowLabels)
{
    const std::pair<std::string, std::string> labels[] = {
        {UI::resolutionLabel({1600, 900}), "Resolution: 1600 x 900"},
        {UI::fullscreenLabel(true), "Fullscreen: On"},
        {UI::vsyncLabel(-1), "VSync: On"},
        {UI::vsyncLabel(0), "VSync: Off"},
        {UI::filteringLabel(16.0f), "Texture filtering: 16x"},
        {UI::mouseSpeedLabel(0.75f), "Mouse speed: 0.75"},
        {UI::mouseSpeedLabel(1.0f), "Mouse speed: 1.0"},
    };
    for (const auto& [label, expected] : labels) EXPECT_EQ(label, expected);
}

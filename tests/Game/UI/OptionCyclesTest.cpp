#include "Game/UI/OptionCycles.h"

#include <gtest/gtest.h>

TEST(OptionCycles, ResolutionsFitTheScreenKeepTheCurrentSizeAndWrap)
{
    using Sizes = std::vector<glm::ivec2>;
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
        const Sizes cycle = UI::resolutionCycle(c.modes, c.screen, c.current);
        EXPECT_EQ(cycle, c.cycle) << c.current.x;
        EXPECT_EQ(UI::nextResolution(cycle, c.current), c.next) << c.current.x;
    }
}

TEST(OptionCycles, FilteringIsCappedByTheDriverAndValuesStepUpThenWrap)
{
    EXPECT_EQ(UI::anisotropyCycle(16.0f), (std::vector<float>{1, 2, 4, 8, 16}));
    EXPECT_EQ(UI::anisotropyCycle(4.0f), (std::vector<float>{1, 2, 4}));
    EXPECT_EQ(UI::anisotropyCycle(0.0f), (std::vector<float>{1}));
    EXPECT_EQ(UI::nextValue(UI::anisotropyCycle(4.0f), 4.0f), 1.0f);
    const std::pair<float, float> speeds[] = {{0.5f, 0.75f}, {2.0f, 0.5f}, {1.2f, 1.5f}, {5.0f, 0.5f}, {0.1f, 0.5f}};
    for (const auto& [now, next] : speeds) EXPECT_EQ(UI::nextValue(UI::mouseSpeedCycle(), now), next) << now;
    EXPECT_EQ(UI::mouseSpeedLabel(0.75f) + ", " + UI::mouseSpeedLabel(1.0f), "Mouse speed: 0.75, Mouse speed: 1.0");
}

TEST(OptionCycles, RenderScaleStepsThroughHalfThreeQuartersAndWholeThenWraps)
{
    const std::pair<float, float> steps[] = {{1.0f, 0.5f}, {0.5f, 0.75f}, {0.75f, 1.0f}, {0.25f, 0.5f}, {0.6f, 0.75f}};
    for (const auto& [now, next] : steps) EXPECT_EQ(UI::nextValue(UI::renderScaleCycle(), now), next) << now;
    EXPECT_EQ(UI::renderScaleLabel(0.75f) + ", " + UI::renderScaleLabel(0.333f),
              "Render scale: 75%, Render scale: 33%");
}

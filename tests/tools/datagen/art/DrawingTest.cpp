#include <cmath>

#include <gtest/gtest.h>

#include "tools/datagen/art/Image.h"
#include "tools/datagen/art/Noise.h"
#include "tools/datagen/art/Shapes.h"
#include "tools/datagen/art/SurfaceTextures.h"

using namespace DataGen;

namespace {

// Mean colour difference between neighbouring columns (or rows) inside the
// image, and across its wrap-around edge.
struct EdgeSteps {
    float inside = 0.0f;
    float acrossWrap = 0.0f;
};

float difference(const glm::vec4& a, const glm::vec4& b)
{
    return glm::length(a - b);
}

EdgeSteps horizontalSteps(const Image& image)
{
    EdgeSteps steps;
    const int w = image.width(), h = image.height();
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x + 1 < w; ++x) {
            steps.inside += difference(image.at(x, y), image.at(x + 1, y));
        }
        steps.acrossWrap += difference(image.at(w - 1, y), image.at(0, y));
    }
    steps.inside /= static_cast<float>((w - 1) * h);
    steps.acrossWrap /= static_cast<float>(h);
    return steps;
}

EdgeSteps verticalSteps(const Image& image)
{
    EdgeSteps steps;
    const int w = image.width(), h = image.height();
    for (int x = 0; x < w; ++x) {
        for (int y = 0; y + 1 < h; ++y) {
            steps.inside += difference(image.at(x, y), image.at(x, y + 1));
        }
        steps.acrossWrap += difference(image.at(x, h - 1), image.at(x, 0));
    }
    steps.inside /= static_cast<float>((h - 1) * w);
    steps.acrossWrap /= static_cast<float>(w);
    return steps;
}

void expectTiles(const Image& image)
{
    const EdgeSteps across = horizontalSteps(image);
    const EdgeSteps up = verticalSteps(image);
    // A seam shows as a wrap step far above the usual neighbour step.
    EXPECT_LT(across.acrossWrap, 2.0f * across.inside + 0.01f);
    EXPECT_LT(up.acrossWrap, 2.0f * up.inside + 0.01f);
}

} // namespace

TEST(DrawingRender, EdgeThroughThePixelCentreGivesHalfCoverageWithoutDarkening)
{
    const Image image = renderImage(1, 1, 8, [](glm::vec2 p) {
        return p.x < 0.5f ? glm::vec4(1.0f, 0.5f, 0.25f, 1.0f) : glm::vec4(0.0f);
    });
    EXPECT_FLOAT_EQ(image.at(0, 0).a, 0.5f);
    EXPECT_FLOAT_EQ(image.at(0, 0).r, 1.0f) << "transparent samples must not pull the colour to black";
    EXPECT_FLOAT_EQ(image.at(0, 0).g, 0.5f);
}

TEST(DrawingRender, RowZeroIsTheBottomOfThePicture)
{
    const Image image = renderImage(2, 2, 1, [](glm::vec2 p) { return glm::vec4(glm::vec3(p.y / 2.0f), 1.0f); });
    EXPECT_LT(image.at(0, 0).r, image.at(0, 1).r);
}

TEST(DrawingImage, PremultipliedScalesColourByAlpha)
{
    Image image(1, 1, glm::vec4(0.8f, 0.4f, 1.0f, 0.5f));
    const Image result = image.premultiplied();
    EXPECT_FLOAT_EQ(result.at(0, 0).r, 0.4f);
    EXPECT_FLOAT_EQ(result.at(0, 0).b, 0.5f);
    EXPECT_FLOAT_EQ(result.at(0, 0).a, 0.5f);
}

TEST(DrawingShapes, SignedDistancesAreNegativeInsideAndExactOnTheAxes)
{
    EXPECT_FLOAT_EQ(Shapes::box({0, 0}, {0, 0}, {2, 1}), -1.0f);
    EXPECT_FLOAT_EQ(Shapes::box({5, 0}, {0, 0}, {2, 1}), 3.0f);
    EXPECT_FLOAT_EQ(Shapes::circle({3, 4}, {0, 0}, 2.0f), 3.0f);
    EXPECT_FLOAT_EQ(Shapes::segment({1, 5}, {0, 0}, {2, 0}), 5.0f);
    const std::vector<glm::vec2> square{{0, 0}, {4, 0}, {4, 4}, {0, 4}};
    EXPECT_FLOAT_EQ(Shapes::polygon({2, 1}, square), -1.0f);
    EXPECT_FLOAT_EQ(Shapes::polygon({2, 6}, square), 2.0f);
}

TEST(DrawingShapes, OverIsIdentityForTransparentSourceAndReplacesForOpaque)
{
    const glm::vec4 destination(0.2f, 0.3f, 0.4f, 0.6f);
    EXPECT_EQ(Shapes::over(destination, glm::vec4(1.0f, 1.0f, 1.0f, 0.0f)), destination);
    EXPECT_EQ(Shapes::over(destination, glm::vec4(1.0f, 0.0f, 0.0f, 1.0f)), glm::vec4(1.0f, 0.0f, 0.0f, 1.0f));
}

TEST(DrawingNoise, SameInputSameValueAndPeriodicNoiseRepeats)
{
    EXPECT_EQ(Noise::value({1.3f, 2.7f, 0.5f}, 3u), Noise::value({1.3f, 2.7f, 0.5f}, 3u));
    EXPECT_NE(Noise::hash(1, 2, 3, 0u), Noise::hash(1, 2, 3, 1u));
    for (float x = 0.0f; x < 8.0f; x += 0.37f) {
        EXPECT_FLOAT_EQ(Noise::periodicValue({x, 1.25f}, 8, 5u), Noise::periodicValue({x + 8.0f, 1.25f - 8.0f}, 8, 5u));
    }
}

TEST(DrawingSurfaceTextures, GridTilesAndIsBrightOnTheTileBorder)
{
    const Image grid = makeGridImage();
    ASSERT_EQ(grid.width(), gridImageSize);
    expectTiles(grid);
    const glm::vec4 border = grid.at(0, gridImageSize / 2 + 10);
    const glm::vec4 cell = grid.at(gridImageSize / 8 + 20, gridImageSize / 8 + 20);
    EXPECT_GT(border.r + border.g + border.b, cell.r + cell.g + cell.b + 1.0f);
    EXPECT_GT(border.a, cell.a);
    EXPECT_GT(cell.a, 0.5f) << "the floor stays visible between the lines";
}

TEST(DrawingSurfaceTextures, DefaultAndHexagonTileAndAreOpaque)
{
    for (const Image& image : {makeDefaultImage(), makeHexagonImage()}) {
        expectTiles(image);
        EXPECT_EQ(image.at(image.width() / 3, image.height() / 3).a, 1.0f);
    }
}

TEST(DrawingSurfaceTextures, HexagonHasDarkGroovesBetweenLightPlates)
{
    const Image hexagons = makeHexagonImage();
    int dark = 0, light = 0;
    for (int y = 0; y < hexagons.height(); y += 3) {
        for (int x = 0; x < hexagons.width(); x += 3) {
            const float brightness = hexagons.at(x, y).r;
            dark += brightness < 0.2f;
            light += brightness > 0.4f;
        }
    }
    EXPECT_GT(dark, 0);
    EXPECT_GT(light, 4 * dark) << "grooves are thin lines between large plates";
}

#include <cmath>

#include <gtest/gtest.h>

#include "tools/datagen/art/Image.h"
#include "tools/datagen/art/Noise.h"
#include "tools/datagen/art/Shapes.h"
#include "tools/datagen/art/SurfaceTextures.h"

using namespace DataGen;

namespace {

// Fails when the image shows a seam when tiled: the mean colour step across
// its wrap-around edge, along x (`alongX`) or y, far above the mean step
// between neighbours inside it.
void expectTilesAlong(const Image& image, bool alongX)
{
    const int length = alongX ? image.width() : image.height();
    const int across = alongX ? image.height() : image.width();
    const auto at = [&](int i, int j) { return alongX ? image.at(i, j) : image.at(j, i); };
    float inside = 0.0f;
    float wrap = 0.0f;
    for (int j = 0; j < across; ++j) {
        for (int i = 0; i + 1 < length; ++i) inside += glm::length(at(i, j) - at(i + 1, j));
        wrap += glm::length(at(length - 1, j) - at(0, j));
    }
    EXPECT_LT(wrap / across, 2.0f * inside / ((length - 1) * across) + 0.01f) << (alongX ? "along x" : "along y");
}

void expectTiles(const Image& image)
{
    expectTilesAlong(image, true);
    expectTilesAlong(image, false);
}

} // namespace

TEST(DrawingRender, EdgeThroughThePixelCentreGivesHalfCoverageWithoutDarkeningAndRowZeroIsTheBottom)
{
    const Image half = renderImage(1, 1, 8, [](glm::vec2 p) {
        return p.x < 0.5f ? glm::vec4(1.0f, 0.5f, 0.25f, 1.0f) : glm::vec4(0.0f);
    });
    EXPECT_FLOAT_EQ(half.at(0, 0).a, 0.5f);
    EXPECT_FLOAT_EQ(half.at(0, 0).r, 1.0f) << "transparent samples must not pull the colour to black";
    EXPECT_FLOAT_EQ(half.at(0, 0).g, 0.5f);

    const Image ramp = renderImage(2, 2, 1, [](glm::vec2 p) { return glm::vec4(glm::vec3(p.y / 2.0f), 1.0f); });
    EXPECT_LT(ramp.at(0, 0).r, ramp.at(0, 1).r);
}

TEST(DrawingImage, PremultipliedScalesColourByAlpha)
{
    const Image result = Image(1, 1, glm::vec4(0.8f, 0.4f, 1.0f, 0.5f)).premultiplied();
    EXPECT_EQ(result.at(0, 0), glm::vec4(0.4f, 0.2f, 0.5f, 0.5f));
}

TEST(DrawingShapes, SignedDistancesAreNegativeInsideAndOverBlendsBySourceAlpha)
{
    EXPECT_FLOAT_EQ(Shapes::box({0, 0}, {0, 0}, {2, 1}), -1.0f);
    EXPECT_FLOAT_EQ(Shapes::box({5, 0}, {0, 0}, {2, 1}), 3.0f);
    EXPECT_FLOAT_EQ(Shapes::circle({3, 4}, {0, 0}, 2.0f), 3.0f);
    EXPECT_FLOAT_EQ(Shapes::segment({1, 5}, {0, 0}, {2, 0}), 5.0f);
    const std::vector<glm::vec2> square{{0, 0}, {4, 0}, {4, 4}, {0, 4}};
    EXPECT_FLOAT_EQ(Shapes::polygon({2, 1}, square), -1.0f);
    EXPECT_FLOAT_EQ(Shapes::polygon({2, 6}, square), 2.0f);

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

TEST(DrawingSurfaceTextures, DefaultAndHexagonTileAndTheHexagonsHaveThinDarkGrooves)
{
    for (const Image& image : {makeDefaultImage(), makeHexagonImage()}) expectTiles(image);
    const Image hexagons = makeHexagonImage();
    int dark = 0;
    int light = 0;
    for (int y = 0; y < hexagons.height(); y += 3) {
        for (int x = 0; x < hexagons.width(); x += 3) {
            dark += hexagons.at(x, y).r < 0.2f;
            light += hexagons.at(x, y).r > 0.4f;
        }
    }
    EXPECT_GT(dark, 0);
    EXPECT_GT(light, 4 * dark) << "grooves are thin lines between large plates";
}

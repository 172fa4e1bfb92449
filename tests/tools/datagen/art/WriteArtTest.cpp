#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include <FreeImage.h>
#include <gtest/gtest.h>

#include "Engine/Mesh/MeshFile.h"
#include "tools/datagen/art/Art.h"
#include "tools/datagen/art/AxisGizmo.h"

namespace {

namespace fs = std::filesystem;

struct ExpectedImage {
    const char* path;
    unsigned width;
    unsigned height;
    bool hasTransparency;
};

// Sizes the game relies on: the buttons lay out the menus, the crosshair and
// the cursor are drawn one texel per pixel, the sky box is 3 x 2 square cells.
const ExpectedImage expectedImages[] = {
    {"textures/grid.png", 512, 512, true},
    {"textures/default.png", 256, 256, false},
    {"textures/hexagon.png", 512, 512, false},
    {"textures/skybox.png", 1536, 1024, false},
    {"textures/crosshair.png", 12, 12, true},
    {"textures/ui/testBox.png", 128, 128, false},
    {"textures/ui/button.png", 256, 64, false},
    {"textures/ui/button_down.png", 256, 64, false},
    {"textures/ui/button_hover.png", 256, 64, false},
    {"textures/ui/whitetexture.png", 16, 16, false},
    {"textures/ui/mouse.png", 24, 24, true},
    {"textures/ui/editor/tool_create.png", 64, 64, false},
    {"textures/ui/editor/tool_translate.png", 64, 64, false},
    {"textures/ui/editor/tool_scale.png", 64, 64, false},
    {"textures/ui/editor/tool_rotate.png", 64, 64, false},
};

using Bitmap = std::unique_ptr<FIBITMAP, decltype(&FreeImage_Unload)>;

// Loads as the game does: detect the type, load, convert to 32 bits.
Bitmap loadLikeTheGame(const fs::path& path)
{
    const std::string name = path.string();
    const FREE_IMAGE_FORMAT format = FreeImage_GetFileType(name.c_str(), 0);
    Bitmap file(FreeImage_Load(format, name.c_str(), 0), &FreeImage_Unload);
    if (!file) {
        return Bitmap(nullptr, &FreeImage_Unload);
    }
    return Bitmap(FreeImage_ConvertTo32Bits(file.get()), &FreeImage_Unload);
}

struct Rgba {
    float r, g, b, a;
};

Rgba pixel(FIBITMAP* bitmap, unsigned x, unsigned y)
{
    const BYTE* p = FreeImage_GetScanLine(bitmap, static_cast<int>(y)) + 4 * x;
    return {p[FI_RGBA_RED] / 255.0f, p[FI_RGBA_GREEN] / 255.0f, p[FI_RGBA_BLUE] / 255.0f, p[FI_RGBA_ALPHA] / 255.0f};
}

// Mean colour of a rectangle given in texture coordinates (v up, row 0 at the bottom).
Rgba meanOf(FIBITMAP* bitmap, float u0, float v0, float u1, float v1)
{
    const unsigned w = FreeImage_GetWidth(bitmap), h = FreeImage_GetHeight(bitmap);
    Rgba sum{0, 0, 0, 0};
    unsigned count = 0;
    for (auto y = static_cast<unsigned>(v0 * h); y < static_cast<unsigned>(v1 * h); ++y) {
        for (auto x = static_cast<unsigned>(u0 * w); x < static_cast<unsigned>(u1 * w); ++x) {
            const Rgba p = pixel(bitmap, x, y);
            sum = {sum.r + p.r, sum.g + p.g, sum.b + p.b, sum.a + p.a};
            ++count;
        }
    }
    return {sum.r / count, sum.g / count, sum.b / count, sum.a / count};
}

float brightness(const Rgba& c)
{
    return c.r + c.g + c.b;
}

std::vector<char> fileBytes(const fs::path& path)
{
    std::ifstream file(path, std::ios::binary);
    return std::vector<char>(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

class WriteArt : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        dataDir = new fs::path(fs::path(::testing::TempDir()) / "datagen_art" / "data");
        fs::remove_all(*dataDir);
        DataGen::writeArt(dataDir->string());
    }

    static void TearDownTestSuite()
    {
        delete dataDir;
        dataDir = nullptr;
    }

    static fs::path path(const std::string& relative) { return *dataDir / relative; }

    static fs::path* dataDir;
};

fs::path* WriteArt::dataDir = nullptr;

} // namespace

TEST_F(WriteArt, EveryImageLoadsAtItsSize)
{
    for (const ExpectedImage& expected : expectedImages) {
        const Bitmap bitmap = loadLikeTheGame(path(expected.path));
        ASSERT_TRUE(bitmap) << expected.path;
        EXPECT_EQ(FreeImage_GetWidth(bitmap.get()), expected.width) << expected.path;
        EXPECT_EQ(FreeImage_GetHeight(bitmap.get()), expected.height) << expected.path;
    }
}

TEST_F(WriteArt, AlphaIsUsedExactlyWhereTheImageIsBlended)
{
    for (const ExpectedImage& expected : expectedImages) {
        const Bitmap bitmap = loadLikeTheGame(path(expected.path));
        ASSERT_TRUE(bitmap) << expected.path;
        bool transparent = false, opaque = false;
        for (unsigned y = 0; y < expected.height; ++y) {
            for (unsigned x = 0; x < expected.width; ++x) {
                const float a = pixel(bitmap.get(), x, y).a;
                transparent = transparent || a < 1.0f;
                opaque = opaque || a == 1.0f;
            }
        }
        EXPECT_EQ(transparent, expected.hasTransparency) << expected.path;
        if (std::string(expected.path) != "textures/grid.png") {
            EXPECT_TRUE(opaque) << expected.path;
        }
    }
}

TEST_F(WriteArt, SkyBoxTopCellIsBrighterAndBluerThanTheBottomCell)
{
    const Bitmap sky = loadLikeTheGame(path("textures/skybox.png"));
    ASSERT_TRUE(sky);
    const Rgba bottom = meanOf(sky.get(), 0.0f, 0.0f, 1.0f / 3, 0.5f);
    const Rgba top = meanOf(sky.get(), 1.0f / 3, 0.0f, 2.0f / 3, 0.5f);
    EXPECT_GT(brightness(top), brightness(bottom));
    EXPECT_GT(top.b, bottom.b);
    EXPECT_GT(top.b, top.r + 0.2f) << "the top cell is sky blue";
}

TEST_F(WriteArt, SkyBoxWallsShowSkyAboveAndGroundBelow)
{
    const Bitmap sky = loadLikeTheGame(path("textures/skybox.png"));
    ASSERT_TRUE(sky);
    // The upper walls (-x, -y, +x) have their high edge at the top of the
    // image; the +y wall in the lower half is stored with its high edge down.
    for (float u0 : {0.0f, 1.0f / 3, 2.0f / 3}) {
        const Rgba high = meanOf(sky.get(), u0, 0.9f, u0 + 1.0f / 3, 1.0f);
        const Rgba low = meanOf(sky.get(), u0, 0.5f, u0 + 1.0f / 3, 0.6f);
        EXPECT_GT(high.b - high.r, low.b - low.r + 0.1f) << "wall at u " << u0;
    }
    const Rgba plusYHigh = meanOf(sky.get(), 2.0f / 3, 0.0f, 1.0f, 0.1f);
    const Rgba plusYLow = meanOf(sky.get(), 2.0f / 3, 0.4f, 1.0f, 0.5f);
    EXPECT_GT(plusYHigh.b - plusYHigh.r, plusYLow.b - plusYLow.r + 0.1f);
}

TEST_F(WriteArt, ButtonLooksDifferAsHoverBrighterAndPressedDarker)
{
    const Bitmap normal = loadLikeTheGame(path("textures/ui/button.png"));
    const Bitmap hover = loadLikeTheGame(path("textures/ui/button_hover.png"));
    const Bitmap pressed = loadLikeTheGame(path("textures/ui/button_down.png"));
    ASSERT_TRUE(normal && hover && pressed);
    const float normalLight = brightness(meanOf(normal.get(), 0, 0, 1, 1));
    EXPECT_GT(brightness(meanOf(hover.get(), 0, 0, 1, 1)), normalLight + 0.1f);
    EXPECT_LT(brightness(meanOf(pressed.get(), 0, 0, 1, 1)), normalLight - 0.1f);
}

TEST_F(WriteArt, CursorTipIsTheUpperLeftCornerAndWhiteTextureIsWhite)
{
    const Bitmap cursor = loadLikeTheGame(path("textures/ui/mouse.png"));
    const Bitmap white = loadLikeTheGame(path("textures/ui/whitetexture.png"));
    ASSERT_TRUE(cursor && white);
    EXPECT_GT(pixel(cursor.get(), 2, 21).a, 0.9f) << "just below and right of the tip";
    EXPECT_EQ(pixel(cursor.get(), 23, 23).a, 0.0f) << "upper right is clear";
    EXPECT_EQ(pixel(cursor.get(), 0, 0).a, 0.0f) << "lower left is clear";
    const Rgba w = meanOf(white.get(), 0, 0, 1, 1);
    EXPECT_EQ(brightness(w), 3.0f);
}

TEST_F(WriteArt, GizmoMeshReadsBackWithItsFiveParts)
{
    const auto mesh = Engine::GFX::Mesh::readMeshFile(path("models/axisEditorMesh.cmesh").string());
    ASSERT_EQ(mesh->parts.size(), 5u);
    for (std::size_t i = 0; i < 5; ++i) {
        EXPECT_EQ(mesh->parts[i].name, DataGen::gizmoPartNames[i]);
    }
    EXPECT_FALSE(mesh->isSkinned());
    EXPECT_EQ(mesh->positions, DataGen::makeAxisGizmoMesh().positions);
}

TEST_F(WriteArt, SecondRunWritesIdenticalFiles)
{
    const fs::path again = fs::path(::testing::TempDir()) / "datagen_art_again" / "data";
    fs::remove_all(again);
    DataGen::writeArt(again.string());
    std::size_t compared = 0;
    for (const auto& entry : fs::recursive_directory_iterator(*dataDir)) {
        if (entry.is_regular_file()) {
            const fs::path relative = fs::relative(entry.path(), *dataDir);
            EXPECT_EQ(fileBytes(entry.path()), fileBytes(again / relative)) << relative;
            ++compared;
        }
    }
    EXPECT_EQ(compared, std::size(expectedImages) + 1);
}

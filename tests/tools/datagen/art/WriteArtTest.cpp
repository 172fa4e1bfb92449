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

// Sizes the game relies on: the buttons lay out the menus, the crosshair and
// the cursor are drawn one texel per pixel, the sky box is 3 x 2 square cells.
const struct {
    const char* path;
    unsigned width;
    unsigned height;
    bool hasTransparency;
} expectedImages[] = {
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
using Rgba = glm::vec4;

std::vector<char> fileBytes(const fs::path& path)
{
    std::ifstream file(path, std::ios::binary);
    return std::vector<char>(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

Rgba pixel(FIBITMAP* bitmap, unsigned x, unsigned y)
{
    const BYTE* p = FreeImage_GetScanLine(bitmap, static_cast<int>(y)) + 4 * x;
    return Rgba(p[FI_RGBA_RED], p[FI_RGBA_GREEN], p[FI_RGBA_BLUE], p[FI_RGBA_ALPHA]) / 255.0f;
}

// Mean colour of a rectangle given in texture coordinates (v up, row 0 at the bottom).
Rgba meanOf(FIBITMAP* bitmap, float u0, float v0, float u1, float v1)
{
    const unsigned w = FreeImage_GetWidth(bitmap), h = FreeImage_GetHeight(bitmap);
    Rgba sum(0.0f);
    unsigned count = 0;
    for (auto y = static_cast<unsigned>(v0 * h); y < static_cast<unsigned>(v1 * h); ++y) {
        for (auto x = static_cast<unsigned>(u0 * w); x < static_cast<unsigned>(u1 * w); ++x, ++count) {
            sum += pixel(bitmap, x, y);
        }
    }
    return sum / static_cast<float>(count);
}

float brightness(const Rgba& c)
{
    return c.r + c.g + c.b;
}

// Blue above red: sky rather than ground.
float blueness(const Rgba& c)
{
    return c.b - c.r;
}

class WriteArt : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        fs::remove_all(dataDir());
        DataGen::writeArt(dataDir().string());
    }

    static fs::path dataDir() { return fs::path(::testing::TempDir()) / "datagen_art" / "data"; }

    // Loads as the game does: detect the type, load, convert to 32 bits.
    static Bitmap load(const std::string& relative)
    {
        const std::string name = (dataDir() / relative).string();
        const Bitmap file(FreeImage_Load(FreeImage_GetFileType(name.c_str(), 0), name.c_str(), 0), &FreeImage_Unload);
        return Bitmap(file ? FreeImage_ConvertTo32Bits(file.get()) : nullptr, &FreeImage_Unload);
    }
};

} // namespace

TEST_F(WriteArt, EveryImageLoadsAtItsSizeWithAlphaExactlyWhereItIsBlended)
{
    for (const auto& expected : expectedImages) {
        SCOPED_TRACE(expected.path);
        const Bitmap bitmap = load(expected.path);
        ASSERT_TRUE(bitmap);
        EXPECT_EQ(FreeImage_GetWidth(bitmap.get()), expected.width);
        EXPECT_EQ(FreeImage_GetHeight(bitmap.get()), expected.height);
        bool transparent = false, opaque = false;
        for (unsigned y = 0; y < expected.height; ++y) {
            for (unsigned x = 0; x < expected.width; ++x) {
                transparent = transparent || pixel(bitmap.get(), x, y).a < 1.0f;
                opaque = opaque || pixel(bitmap.get(), x, y).a == 1.0f;
            }
        }
        EXPECT_EQ(transparent, expected.hasTransparency);
        EXPECT_TRUE(opaque || std::string(expected.path) == "textures/grid.png");
    }
}

TEST_F(WriteArt, SkyBoxCellsShowTheSkyWhereTheLayoutExpectsIt)
{
    const Bitmap sky = load("textures/skybox.png");
    ASSERT_TRUE(sky);
    // Lower row: bottom, top and +y cells; upper row: -x, -y and +x walls.
    const Rgba bottom = meanOf(sky.get(), 0.0f, 0.0f, 1.0f / 3, 0.5f);
    const Rgba top = meanOf(sky.get(), 1.0f / 3, 0.0f, 2.0f / 3, 0.5f);
    EXPECT_GT(brightness(top), brightness(bottom));
    EXPECT_GT(top.b, bottom.b);
    EXPECT_GT(blueness(top), 0.2f) << "the top cell is sky blue";
    // The upper walls have their high edge at the top of the image; the +y
    // wall in the lower half is stored with its high edge down.
    for (float u0 : {0.0f, 1.0f / 3, 2.0f / 3}) {
        EXPECT_GT(blueness(meanOf(sky.get(), u0, 0.9f, u0 + 1.0f / 3, 1.0f)),
                  blueness(meanOf(sky.get(), u0, 0.5f, u0 + 1.0f / 3, 0.6f)) + 0.1f)
            << "wall at u " << u0;
    }
    EXPECT_GT(blueness(meanOf(sky.get(), 2.0f / 3, 0.0f, 1.0f, 0.1f)),
              blueness(meanOf(sky.get(), 2.0f / 3, 0.4f, 1.0f, 0.5f)) + 0.1f);
}

TEST_F(WriteArt, ButtonHoverIsBrighterPressedDarkerCursorTipUpperLeftAndWhiteIsWhite)
{
    const Bitmap normal = load("textures/ui/button.png");
    const Bitmap hover = load("textures/ui/button_hover.png");
    const Bitmap pressed = load("textures/ui/button_down.png");
    const Bitmap cursor = load("textures/ui/mouse.png");
    const Bitmap white = load("textures/ui/whitetexture.png");
    ASSERT_TRUE(normal && hover && pressed && cursor && white);
    const float normalLight = brightness(meanOf(normal.get(), 0, 0, 1, 1));
    EXPECT_GT(brightness(meanOf(hover.get(), 0, 0, 1, 1)), normalLight + 0.1f);
    EXPECT_LT(brightness(meanOf(pressed.get(), 0, 0, 1, 1)), normalLight - 0.1f);
    EXPECT_GT(pixel(cursor.get(), 2, 21).a, 0.9f) << "just below and right of the tip";
    EXPECT_EQ(pixel(cursor.get(), 23, 23).a, 0.0f) << "upper right is clear";
    EXPECT_EQ(pixel(cursor.get(), 0, 0).a, 0.0f) << "lower left is clear";
    EXPECT_EQ(brightness(meanOf(white.get(), 0, 0, 1, 1)), 3.0f);
}

TEST_F(WriteArt, GizmoMeshReadsBackAndASecondRunWritesIdenticalFiles)
{
    const auto mesh = Engine::GFX::Mesh::readMeshFile((dataDir() / "models/axisEditorMesh.cmesh").string());
    EXPECT_EQ(mesh->parts.size(), DataGen::gizmoPartNames.size());
    EXPECT_FALSE(mesh->isSkinned());
    EXPECT_EQ(mesh->positions, DataGen::makeAxisGizmoMesh().positions);

    const fs::path again = fs::path(::testing::TempDir()) / "datagen_art_again" / "data";
    fs::remove_all(again);
    DataGen::writeArt(again.string());
    std::size_t compared = 0;
    for (const auto& entry : fs::recursive_directory_iterator(dataDir())) {
        if (!entry.is_regular_file()) continue;
        const fs::path relative = fs::relative(entry.path(), dataDir());
        EXPECT_EQ(fileBytes(entry.path()), fileBytes(again / relative)) << relative;
        ++compared;
    }
    EXPECT_EQ(compared, std::size(expectedImages) + 1);
}

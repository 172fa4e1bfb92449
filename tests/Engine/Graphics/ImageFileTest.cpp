#include "Engine/Graphics/ImageFile.h"

#include <cstdio>
#include <fstream>
#include <string>

#include <FreeImage.h>
#include <gtest/gtest.h>

namespace {

using Engine::GFX::readImageFile;

std::string tempPath(const std::string& name)
{
    return testing::TempDir() + "image_file_test_" + name;
}

// A 3 x 2 image: FreeImage's scan line 0 is the bottom row.
const RGBQUAD rows[2][3] = {{{0, 0, 255, 0}, {0, 255, 0, 0}, {255, 0, 0, 0}},
                            {{255, 255, 255, 0}, {0, 0, 0, 0}, {128, 128, 128, 0}}};

FIBITMAP* paletteImage()
{
    FIBITMAP* bitmap = FreeImage_Allocate(3, 2, 8);
    RGBQUAD* palette = FreeImage_GetPalette(bitmap);
    for (int row = 0; row < 2; ++row) {
        for (int x = 0; x < 3; ++x) {
            palette[row * 3 + x] = rows[row][x];
            FreeImage_GetScanLine(bitmap, row)[x] = static_cast<BYTE>(row * 3 + x);
        }
    }
    return bitmap;
}

FIBITMAP* trueColourImage()
{
    FIBITMAP* bitmap = FreeImage_Allocate(3, 2, 24);
    for (unsigned row = 0; row < 2; ++row) {
        for (unsigned x = 0; x < 3; ++x) {
            RGBQUAD colour = rows[row][x];
            FreeImage_SetPixelColor(bitmap, x, row, &colour);
        }
    }
    return bitmap;
}

TEST(ImageFile, PaletteAnd24BitImagesBecomeOpaqueBgraBottomRowFirst)
{
    std::vector<uint8_t> expected;
    for (const auto& row : rows) {
        for (const RGBQUAD& c : row) {
            expected.insert(expected.end(), {c.rgbBlue, c.rgbGreen, c.rgbRed, 255});
        }
    }
    const std::pair<FIBITMAP*, FREE_IMAGE_FORMAT> images[] = {{paletteImage(), FIF_PNG}, {trueColourImage(), FIF_BMP}};
    for (const auto& [bitmap, format] : images) {
        const std::string path = tempPath(std::to_string(format));
        ASSERT_TRUE(FreeImage_Save(format, bitmap, path.c_str(), 0));
        FreeImage_Unload(bitmap);
        const Engine::GFX::ImagePixels image = readImageFile(path);
        std::remove(path.c_str());
        EXPECT_EQ(image.width, 3u);
        EXPECT_EQ(image.height, 2u);
        EXPECT_EQ(image.bgra, expected) << "format " << format;
    }
}

TEST(ImageFile, MissingOrUnidentifiableFileGivesAnEmptyImage)
{
    const std::string text = tempPath("not_an_image.png");
    std::ofstream(text) << "this is text, not pixels";
    for (const std::string& path : {tempPath("does_not_exist.png"), text}) {
        const Engine::GFX::ImagePixels image = readImageFile(path);
        EXPECT_EQ(image.width, 0u);
        EXPECT_EQ(image.height, 0u);
        EXPECT_TRUE(image.bgra.empty());
    }
    std::remove(text.c_str());
}

} // namespace

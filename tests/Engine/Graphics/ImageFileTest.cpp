#include "Engine/Graphics/ImageFile.h"

#include <cstdio>
#include <fstream>
#include <string>

#include <FreeImage.h>
#include <gtest/gtest.h>

namespace {

using Engine::GFX::readImageFile;

// A 3 x 2 image in FreeImage's order: the first three colours are the bottom row.
const RGBQUAD colours[6] = {{0, 0, 255, 0},     {0, 255, 0, 0}, {255, 0, 0, 0},
                            {255, 255, 255, 0}, {0, 0, 0, 0},   {128, 128, 128, 0}};

std::string writeImage(unsigned bitsPerPixel, FREE_IMAGE_FORMAT format)
{
    FIBITMAP* bitmap = FreeImage_Allocate(3, 2, static_cast<int>(bitsPerPixel));
    for (BYTE i = 0; i < 6; ++i) {
        RGBQUAD colour = colours[i];
        if (bitsPerPixel == 8) {
            FreeImage_GetPalette(bitmap)[i] = colour;
            FreeImage_SetPixelIndex(bitmap, i % 3, i / 3, &i);
        } else {
            FreeImage_SetPixelColor(bitmap, i % 3, i / 3, &colour);
        }
    }
    const std::string path = testing::TempDir() + "image_file_test_" + std::to_string(bitsPerPixel);
    EXPECT_TRUE(FreeImage_Save(format, bitmap, path.c_str(), 0));
    FreeImage_Unload(bitmap);
    return path;
}

TEST(ImageFile, PaletteAnd24BitImagesBecomeOpaqueBgraBottomRowFirst)
{
    std::vector<uint8_t> expected;
    for (const RGBQUAD& c : colours) expected.insert(expected.end(), {c.rgbBlue, c.rgbGreen, c.rgbRed, 255});
    for (const std::string& path : {writeImage(8, FIF_PNG), writeImage(24, FIF_BMP)}) {
        const Engine::GFX::ImagePixels image = readImageFile(path);
        std::remove(path.c_str());
        EXPECT_EQ(image.width, 3u);
        EXPECT_EQ(image.height, 2u);
        EXPECT_EQ(image.bgra, expected) << path;
    }
}

TEST(ImageFile, MissingOrUnidentifiableFileGivesAnEmptyImage)
{
    const std::string text = testing::TempDir() + "image_file_test_text.png";
    std::ofstream(text) << "this is text, not pixels";
    for (const std::string& path : {testing::TempDir() + "image_file_test_missing.png", text}) {
        const Engine::GFX::ImagePixels image = readImageFile(path);
        EXPECT_EQ(image.width, 0u);
        EXPECT_EQ(image.height, 0u);
        EXPECT_TRUE(image.bgra.empty());
    }
    std::remove(text.c_str());
}

} // namespace

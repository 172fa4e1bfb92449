#include "Engine/Graphics/ImageFile.h"

#include <cstdio>
#include <string>

#include <FreeImage.h>
#include <gtest/gtest.h>

namespace {

using Engine::GFX::ImagePixels;
using Engine::GFX::readImageFile;

struct Bgra {
    uint8_t b, g, r, a;
};

Bgra pixelAt(const ImagePixels& image, uint32_t x, uint32_t row)
{
    const size_t at = (size_t(row) * image.width + x) * 4;
    return {image.bgra[at], image.bgra[at + 1], image.bgra[at + 2], image.bgra[at + 3]};
}

std::string tempPath(const std::string& name)
{
    return testing::TempDir() + "image_file_test_" + name;
}

// A 3 x 2 image whose bottom row (FreeImage scan line 0) is red, green, blue
// and whose top row is white, black, grey.
const RGBQUAD bottomRow[] = {{0, 0, 255, 0}, {0, 255, 0, 0}, {255, 0, 0, 0}};
const RGBQUAD topRow[] = {{255, 255, 255, 0}, {0, 0, 0, 0}, {128, 128, 128, 0}};

std::string writePaletteImage(const std::string& name)
{
    FIBITMAP* bitmap = FreeImage_Allocate(3, 2, 8);
    RGBQUAD* palette = FreeImage_GetPalette(bitmap);
    for (int i = 0; i < 3; ++i) {
        palette[i] = bottomRow[i];
        palette[3 + i] = topRow[i];
        FreeImage_GetScanLine(bitmap, 0)[i] = static_cast<BYTE>(i);
        FreeImage_GetScanLine(bitmap, 1)[i] = static_cast<BYTE>(3 + i);
    }
    const std::string path = tempPath(name);
    EXPECT_TRUE(FreeImage_Save(FIF_PNG, bitmap, path.c_str(), 0));
    FreeImage_Unload(bitmap);
    return path;
}

std::string write24BitImage(const std::string& name, FREE_IMAGE_FORMAT format)
{
    FIBITMAP* bitmap = FreeImage_Allocate(3, 2, 24);
    for (unsigned x = 0; x < 3; ++x) {
        RGBQUAD bottom = bottomRow[x];
        RGBQUAD top = topRow[x];
        FreeImage_SetPixelColor(bitmap, x, 0, &bottom);
        FreeImage_SetPixelColor(bitmap, x, 1, &top);
    }
    const std::string path = tempPath(name);
    EXPECT_TRUE(FreeImage_Save(format, bitmap, path.c_str(), 0));
    FreeImage_Unload(bitmap);
    return path;
}

void expectRows(const ImagePixels& image)
{
    ASSERT_EQ(image.width, 3u);
    ASSERT_EQ(image.height, 2u);
    ASSERT_EQ(image.bgra.size(), 3u * 2u * 4u);
    for (uint32_t x = 0; x < 3; ++x) {
        const Bgra bottom = pixelAt(image, x, 0);
        const Bgra top = pixelAt(image, x, 1);
        EXPECT_EQ(bottom.r, bottomRow[x].rgbRed) << x;
        EXPECT_EQ(bottom.g, bottomRow[x].rgbGreen) << x;
        EXPECT_EQ(bottom.b, bottomRow[x].rgbBlue) << x;
        EXPECT_EQ(bottom.a, 255) << x;
        EXPECT_EQ(top.r, topRow[x].rgbRed) << x;
        EXPECT_EQ(top.g, topRow[x].rgbGreen) << x;
        EXPECT_EQ(top.b, topRow[x].rgbBlue) << x;
        EXPECT_EQ(top.a, 255) << x;
    }
}

TEST(ImageFile, PaletteImageBecomesOpaqueBgraBottomRowFirst)
{
    const std::string path = writePaletteImage("palette.png");
    expectRows(readImageFile(path));
    std::remove(path.c_str());
}

TEST(ImageFile, TwentyFourBitImageBecomesOpaqueBgraBottomRowFirst)
{
    const std::string path = write24BitImage("rgb.bmp", FIF_BMP);
    expectRows(readImageFile(path));
    std::remove(path.c_str());
}

TEST(ImageFile, MissingFileGivesEmptyImage)
{
    const ImagePixels image = readImageFile(tempPath("does_not_exist.png"));
    EXPECT_EQ(image.width, 0u);
    EXPECT_EQ(image.height, 0u);
    EXPECT_TRUE(image.bgra.empty());
}

TEST(ImageFile, UnidentifiableFileGivesEmptyImage)
{
    const std::string path = tempPath("not_an_image.png");
    std::FILE* file = std::fopen(path.c_str(), "wb");
    ASSERT_NE(file, nullptr);
    std::fputs("this is text, not pixels", file);
    std::fclose(file);
    const ImagePixels image = readImageFile(path);
    EXPECT_EQ(image.width, 0u);
    EXPECT_TRUE(image.bgra.empty());
    std::remove(path.c_str());
}

} // namespace

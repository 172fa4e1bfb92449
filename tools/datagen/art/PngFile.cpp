#include "tools/datagen/art/PngFile.h"

#include <cmath>
#include <memory>

#include <FreeImage.h>

#include "Engine/Base/DataFileError.h"

namespace DataGen {

namespace {

BYTE toByte(float value)
{
    return static_cast<BYTE>(std::lround(glm::clamp(value, 0.0f, 1.0f) * 255.0f));
}

} // namespace

void savePng(const Image& image, const std::string& path)
{
    const std::unique_ptr<FIBITMAP, decltype(&FreeImage_Unload)> bitmap(
        FreeImage_Allocate(image.width(), image.height(), 32), &FreeImage_Unload);
    if (!bitmap) {
        throw Engine::DataFileError(path, "cannot allocate the image");
    }
    for (int y = 0; y < image.height(); ++y) {
        BYTE* row = FreeImage_GetScanLine(bitmap.get(), y);
        for (int x = 0; x < image.width(); ++x) {
            const glm::vec4& p = image.at(x, y);
            BYTE* pixel = row + 4 * x;
            pixel[FI_RGBA_RED] = toByte(p.r);
            pixel[FI_RGBA_GREEN] = toByte(p.g);
            pixel[FI_RGBA_BLUE] = toByte(p.b);
            pixel[FI_RGBA_ALPHA] = toByte(p.a);
        }
    }
    if (!FreeImage_Save(FIF_PNG, bitmap.get(), path.c_str(), PNG_DEFAULT)) {
        throw Engine::DataFileError(path, "cannot write the PNG file");
    }
}

} // namespace DataGen

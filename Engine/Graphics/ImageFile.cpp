#include "Engine/Graphics/ImageFile.h"

#include <cstring>
#include <memory>

#include <FreeImage.h>

namespace Engine::GFX {

namespace {

constexpr uint32_t bytesPerPixel = 4;

struct BitmapDeleter {
    void operator()(FIBITMAP* bitmap) const { FreeImage_Unload(bitmap); }
};
using Bitmap = std::unique_ptr<FIBITMAP, BitmapDeleter>;

Bitmap loadBitmap(const std::string& path)
{
    const FREE_IMAGE_FORMAT type = FreeImage_GetFileType(path.c_str(), 0);
    if (type == FIF_UNKNOWN) {
        return nullptr;
    }
    return Bitmap(FreeImage_Load(type, path.c_str(), 0));
}

// 32-bit rows have no padding, so the bits are one contiguous block.
ImagePixels copyPixels(FIBITMAP* converted)
{
    ImagePixels image;
    image.width = FreeImage_GetWidth(converted);
    image.height = FreeImage_GetHeight(converted);
    image.bgra.resize(size_t(image.width) * image.height * bytesPerPixel);
    std::memcpy(image.bgra.data(), FreeImage_GetBits(converted), image.bgra.size());
    return image;
}

} // namespace

ImagePixels readImageFile(const std::string& path)
{
    const Bitmap bitmap = loadBitmap(path);
    if (!bitmap) {
        return {};
    }
    const Bitmap converted(FreeImage_ConvertTo32Bits(bitmap.get()));
    if (!converted) {
        return {};
    }
    return copyPixels(converted.get());
}

} // namespace Engine::GFX

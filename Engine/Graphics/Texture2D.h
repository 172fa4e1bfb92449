#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "Engine/Graphics/TextureFormat.h"

namespace Engine::GFX {

// One GL 2D texture. Every texture starts with nearest filtering and no
// storage; filtering, mipmaps and samplers for image textures are the
// loader's business.
class Texture2D {
public:
    Texture2D();
    // A render target without initial pixels. Depth formats attach themselves
    // to the framebuffer bound at this moment, so bind the owner's FBO first.
    Texture2D(TextureFormat format, uint32_t width, uint32_t height);
    ~Texture2D();
    Texture2D(const Texture2D&) = delete;
    Texture2D& operator=(const Texture2D&) = delete;

    // An unreadable image gives a texture with a 0 x 0 image.
    static std::unique_ptr<Texture2D> loadFromFile(const std::string& path);

    // Texture parameters (GL enum values). Each binds the texture on the
    // active unit and unbinds it again.
    void setFilters(int32_t minification, int32_t magnification);
    void setWrap(int32_t wrapS, int32_t wrapT);
    void setMaxAnisotropy(float anisotropy);
    // An image that could not be read has no level 0 to build mipmaps from,
    // and GL reports that as an error; such a texture keeps its defaults.
    void generateMipmaps();

    uint32_t name = 0;
    uint32_t width = 0;
    uint32_t height = 0;
};

} // namespace Engine::GFX

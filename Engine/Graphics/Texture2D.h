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

    uint32_t name = 0;
    uint32_t width = 0;
    uint32_t height = 0;
};

} // namespace Engine::GFX

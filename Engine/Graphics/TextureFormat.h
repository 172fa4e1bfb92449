#pragma once

#include <cstdint>

namespace Engine::GFX {

// Storage of a render-target texture.
enum class TextureFormat : uint32_t {
    RGBA8 = 0,           // colour targets
    RG32F = 1,           // two-channel float targets
    Depth24 = 2,         // depth target, attaches itself
    Depth24Stencil8 = 3, // depth-stencil target, attaches itself
};

// The GL arguments for allocating a render target; attachment is 0 for
// formats the owner attaches through its framebuffer.
struct TextureStorage {
    uint32_t internalFormat;
    uint32_t pixelFormat;
    uint32_t pixelType;
    uint32_t attachment;
};

TextureStorage textureStorage(TextureFormat format);

} // namespace Engine::GFX

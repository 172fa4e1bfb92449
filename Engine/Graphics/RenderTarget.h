#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "Engine/Graphics/FBO.h"
#include "Engine/Graphics/Texture2D.h"

namespace Engine::GFX {

// How a render target keeps depth: as a texture a later pass can sample, or
// as a renderbuffer that only serves the depth test.
enum class DepthStorage { None, Texture, Renderbuffer };

// A framebuffer with the RGBA8 colour textures and the depth storage drawn
// into it. FBO leaves its attachments to its owner; this is that owner, so
// the targets live exactly as long as the framebuffer. All targets filter
// with nearest sampling. Needs a current GL context.
class RenderTarget {
public:
    RenderTarget(uint32_t width, uint32_t height, std::size_t colourCount, DepthStorage depth);
    ~RenderTarget();
    RenderTarget(const RenderTarget&) = delete;
    RenderTarget& operator=(const RenderTarget&) = delete;

    const Engine::GFX::Texture2D& colour(std::size_t index) const;

    FBO framebuffer;
    std::vector<std::unique_ptr<Engine::GFX::Texture2D>> colours;
    std::unique_ptr<Engine::GFX::Texture2D> depthTexture;
    uint32_t depthRenderbuffer = 0;

private:
    void addColourTargets(std::size_t count);
    void addDepth(DepthStorage depth);
};

} // namespace Engine::GFX

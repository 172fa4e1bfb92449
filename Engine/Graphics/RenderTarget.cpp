#include "Engine/Graphics/RenderTarget.h"

#include <GL/glew.h>

#include "Engine/Base/Assert.h"

namespace Engine::GFX {

using Engine::GFX::Texture2D;
using Engine::GFX::TextureFormat;

RenderTarget::RenderTarget(uint32_t width, uint32_t height, std::size_t colourCount, DepthStorage depth)
    : framebuffer(width, height)
{
    glBindFramebuffer(GL_FRAMEBUFFER, framebuffer.name);
    addColourTargets(colourCount);
    addDepth(depth);
    framebuffer.finish();
}

RenderTarget::~RenderTarget()
{
    glDeleteRenderbuffers(1, &depthRenderbuffer);
}

const Texture2D& RenderTarget::colour(std::size_t index) const
{
    GAME_ASSERT(index < colours.size());
    return *colours[index];
}

void RenderTarget::addColourTargets(std::size_t count)
{
    for (std::size_t i = 0; i < count; ++i) {
        colours.push_back(std::make_unique<Texture2D>(TextureFormat::RGBA8, framebuffer.width, framebuffer.height));
        framebuffer.attachTexture(*colours.back());
    }
}

// Expects the framebuffer bound: a depth texture attaches itself to it.
void RenderTarget::addDepth(DepthStorage depth)
{
    if (depth == DepthStorage::Texture) {
        depthTexture = std::make_unique<Texture2D>(TextureFormat::Depth24, framebuffer.width, framebuffer.height);
    } else if (depth == DepthStorage::Renderbuffer) {
        glGenRenderbuffers(1, &depthRenderbuffer);
        glBindRenderbuffer(GL_RENDERBUFFER, depthRenderbuffer);
        glRenderbufferStorage(GL_RENDERBUFFER, GL_DEPTH_COMPONENT, static_cast<GLsizei>(framebuffer.width),
                              static_cast<GLsizei>(framebuffer.height));
        glBindRenderbuffer(GL_RENDERBUFFER, 0);
        glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_DEPTH_ATTACHMENT, GL_RENDERBUFFER, depthRenderbuffer);
    }
}

} // namespace Engine::GFX

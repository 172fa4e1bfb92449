#include "Engine/Graphics/FBO.h"

#include <GL/glew.h>

#include "Engine/Base/Assert.h"

namespace {
constexpr uint32_t lastColourAttachment = 4;
}

FBO::FBO(uint32_t width, uint32_t height)
    : width(width)
    , height(height)
{
    glGenFramebuffers(1, &name);
    glBindFramebuffer(GL_FRAMEBUFFER, 0);
}

FBO::~FBO()
{
    glDeleteFramebuffers(1, &name);
}

void FBO::attachTexture(const Engine::GFX::Texture2D& texture)
{
    const uint32_t attachement = attachmentCount;
    attachmentCount = attachement + 1;
    GAME_ASSERT_MSG(attachement <= lastColourAttachment, "attachement >= 0 && attachement<=4");
    const GLenum point = GL_COLOR_ATTACHMENT0 + attachement;
    drawBuffers.push_back(point);
    glFramebufferTexture(GL_FRAMEBUFFER, point, texture.name, 0);
}

void FBO::finish()
{
    // A depth-only target keeps GL's default draw buffer.
    if (!drawBuffers.empty()) {
        glDrawBuffers(static_cast<GLsizei>(drawBuffers.size()), drawBuffers.data());
    }
    const GLenum status = glCheckFramebufferStatus(GL_FRAMEBUFFER);
    GAME_ASSERT(status == GL_FRAMEBUFFER_COMPLETE);
    glBindFramebuffer(GL_FRAMEBUFFER, 0);
}

#include "Engine/Graphics/TextureFormat.h"

#include <GL/glew.h>

#include "Engine/Base/Assert.h"

namespace Engine::GFX {

TextureStorage textureStorage(TextureFormat format)
{
    switch (format) {
    case TextureFormat::RGBA8: return {GL_RGBA8, GL_RGBA, GL_UNSIGNED_BYTE, 0};
    case TextureFormat::RG32F: return {GL_RG32F, GL_RG, GL_FLOAT, 0};
    case TextureFormat::Depth24:
        return {GL_DEPTH_COMPONENT24, GL_DEPTH_COMPONENT, GL_INT, GL_DEPTH_ATTACHMENT};
    case TextureFormat::Depth24Stencil8:
        return {GL_DEPTH24_STENCIL8, GL_DEPTH_STENCIL, GL_UNSIGNED_INT_24_8,
                GL_DEPTH_STENCIL_ATTACHMENT};
    }
    GAME_ASSERT(false);
}

} // namespace Engine::GFX

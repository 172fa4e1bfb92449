#include "Engine/Graphics/Texture2D.h"

#include "GLTestContext.h"

namespace {

using Engine::GFX::Texture2D;
using Engine::GFX::TextureFormat;

GLint levelParameter(const Texture2D& texture, GLenum parameter)
{
    GLint value = -1;
    glBindTexture(GL_TEXTURE_2D, texture.name);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, parameter, &value);
    glBindTexture(GL_TEXTURE_2D, 0);
    return value;
}

GLint boundTexture()
{
    GLint bound = -1;
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
    return bound;
}

GLint attachedObject(GLenum attachment)
{
    GLint name = -1;
    glGetFramebufferAttachmentParameteriv(GL_FRAMEBUFFER, attachment, GL_FRAMEBUFFER_ATTACHMENT_OBJECT_NAME, &name);
    return name;
}

using TextureGLTest = GLTesting::GLTest;

TEST_F(TextureGLTest, NewTextureFiltersNearestAndLeavesNothingBoundAndAMissingImageGivesAnEmptyOne)
{
    Texture2D texture;
    EXPECT_EQ(boundTexture(), 0);
    glBindTexture(GL_TEXTURE_2D, texture.name);
    for (GLenum filter : {GL_TEXTURE_MIN_FILTER, GL_TEXTURE_MAG_FILTER}) {
        GLint value = -1;
        glGetTexParameteriv(GL_TEXTURE_2D, filter, &value);
        EXPECT_EQ(value, GL_NEAREST);
    }
    glBindTexture(GL_TEXTURE_2D, 0);

    const std::unique_ptr<Texture2D> missing = Texture2D::loadFromFile(testing::TempDir() + "no_such_image.png");
    EXPECT_NE(missing->name, 0u);
    EXPECT_EQ(missing->width, 0u);
    EXPECT_EQ(levelParameter(*missing, GL_TEXTURE_WIDTH), 0);
}

TEST_F(TextureGLTest, RenderTargetsGetTheirStorageAndOnlyDepthTargetsAttachThemselves)
{
    GLuint framebuffer = 0;
    glGenFramebuffers(1, &framebuffer);
    glBindFramebuffer(GL_FRAMEBUFFER, framebuffer);
    Texture2D rgba(TextureFormat::RGBA8, 16, 8);
    Texture2D rg(TextureFormat::RG32F, 4, 2);
    EXPECT_EQ(levelParameter(rgba, GL_TEXTURE_INTERNAL_FORMAT), GL_RGBA8);
    EXPECT_EQ(levelParameter(rgba, GL_TEXTURE_WIDTH), 16);
    EXPECT_EQ(levelParameter(rgba, GL_TEXTURE_HEIGHT), 8);
    EXPECT_EQ(levelParameter(rg, GL_TEXTURE_INTERNAL_FORMAT), GL_RG32F);
    EXPECT_EQ(attachedObject(GL_COLOR_ATTACHMENT0), 0);
    EXPECT_EQ(boundTexture(), 0);

    Texture2D depth(TextureFormat::Depth24, 8, 8);
    EXPECT_EQ(levelParameter(depth, GL_TEXTURE_INTERNAL_FORMAT), GL_DEPTH_COMPONENT24);
    EXPECT_EQ(attachedObject(GL_DEPTH_ATTACHMENT), static_cast<GLint>(depth.name));
    EXPECT_EQ(attachedObject(GL_STENCIL_ATTACHMENT), 0);

    Texture2D depthStencil(TextureFormat::Depth24Stencil8, 8, 8);
    EXPECT_EQ(levelParameter(depthStencil, GL_TEXTURE_INTERNAL_FORMAT), GL_DEPTH24_STENCIL8);
    EXPECT_EQ(attachedObject(GL_DEPTH_ATTACHMENT), static_cast<GLint>(depthStencil.name));
    EXPECT_EQ(attachedObject(GL_STENCIL_ATTACHMENT), static_cast<GLint>(depthStencil.name));
    glBindFramebuffer(GL_FRAMEBUFFER, 0);
    glDeleteFramebuffers(1, &framebuffer);
}

using TextureGLDeathTest = GLTesting::GLDeathTest;

TEST_F(TextureGLDeathTest, UnknownRenderTargetFormatIsRejected)
{
    EXPECT_DEATH(Texture2D texture(static_cast<TextureFormat>(4), 8, 8), "Assertion failed: false ");
}

} // namespace

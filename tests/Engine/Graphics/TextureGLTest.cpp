#include "Engine/Graphics/Texture2D.h"

#include <cstdio>

#include <FreeImage.h>

#include "GLTestContext.h"

namespace {

using Engine::GFX::Texture2D;
using Engine::GFX::TextureFormat;
using GLTesting::Rgba;

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

class TextureGLTest : public GLTesting::GLTest {
protected:
    void TearDown() override
    {
        glDeleteFramebuffers(1, &framebuffer);
        std::remove(path.c_str());
        GLTest::TearDown();
    }

    void bindFramebuffer()
    {
        glGenFramebuffers(1, &framebuffer);
        glBindFramebuffer(GL_FRAMEBUFFER, framebuffer);
    }

    GLuint framebuffer = 0;
    const std::string path = testing::TempDir() + "texture_gl_test_image";
};

TEST_F(TextureGLTest, NewTextureFiltersNearestAndLeavesNothingBound)
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
}

TEST_F(TextureGLTest, RenderTargetsGetTheirStorageAndOnlyDepthTargetsAttachThemselves)
{
    bindFramebuffer();
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
}

TEST_F(TextureGLTest, PaletteImageUploadsOpaqueWithBottomRowFirst)
{
    FIBITMAP* bitmap = FreeImage_Allocate(2, 2, 8);
    const RGBQUAD palette[] = {{0, 0, 200, 0}, {0, 100, 0, 0}, {50, 0, 0, 0}, {10, 20, 30, 0}};
    for (int i = 0; i < 4; ++i) {
        FreeImage_GetPalette(bitmap)[i] = palette[i];
        FreeImage_GetScanLine(bitmap, i / 2)[i % 2] = static_cast<BYTE>(i);
    }
    ASSERT_TRUE(FreeImage_Save(FIF_PNG, bitmap, path.c_str(), 0));
    FreeImage_Unload(bitmap);

    const std::unique_ptr<Texture2D> texture = Texture2D::loadFromFile(path);
    ASSERT_EQ(texture->width, 2u);
    ASSERT_EQ(texture->height, 2u);
    EXPECT_EQ(levelParameter(*texture, GL_TEXTURE_INTERNAL_FORMAT), GL_RGBA8);
    std::vector<Rgba> texels(4);
    glBindTexture(GL_TEXTURE_2D, texture->name);
    glGetTexImage(GL_TEXTURE_2D, 0, GL_RGBA, GL_UNSIGNED_BYTE, texels.data());
    glBindTexture(GL_TEXTURE_2D, 0);
    EXPECT_EQ(texels, (std::vector<Rgba>{{200, 0, 0, 255}, {0, 100, 0, 255}, {0, 0, 50, 255}, {30, 20, 10, 255}}));
}

TEST_F(TextureGLTest, MissingImageGivesEmptyTexture)
{
    const std::unique_ptr<Texture2D> texture = Texture2D::loadFromFile(path + "_missing.png");
    EXPECT_NE(texture->name, 0u);
    EXPECT_EQ(texture->width, 0u);
    EXPECT_EQ(levelParameter(*texture, GL_TEXTURE_WIDTH), 0);
}

using TextureGLDeathTest = GLTesting::GLDeathTest;

TEST_F(TextureGLDeathTest, UnknownRenderTargetFormatIsRejected)
{
    EXPECT_DEATH(Texture2D texture(static_cast<TextureFormat>(4), 8, 8), "Assertion failed: false ");
}

} // namespace

#include "Engine/Graphics/FBO.h"

#include "Engine/Graphics/MatrixState.h"
#include "Engine/Graphics/VAO.h"
#include "GLTestContext.h"

namespace {

using Engine::GFX::Texture2D;
using Engine::GFX::TextureFormat;
using GLTesting::Rgba;

constexpr uint32_t size = 4;

const std::string positionVertex = "#version 330 core\nin vec3 aPos;\n"
                                   "void main() { gl_Position = vec4(aPos, 1.0); }\n";

const std::string twoOutputFragment = "#version 330 core\nlayout(location = 0) out vec4 first;\n"
                                      "layout(location = 1) out vec4 second;\n"
                                      "void main() { first = vec4(1.0, 0.0, 0.0, 1.0);"
                                      " second = vec4(0.0, 0.0, 1.0, 1.0); }\n";

const std::string depthOnlyFragment = "#version 330 core\nvoid main() { }\n";

GLint drawBuffer(int index)
{
    GLint value = -1;
    glGetIntegerv(GL_DRAW_BUFFER0 + index, &value);
    return value;
}

Rgba readColour(GLenum attachment)
{
    Rgba pixel;
    glReadBuffer(attachment);
    glReadPixels(1, 1, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, &pixel);
    return pixel;
}

// A full-viewport square at depth z, drawn with positions only.
void drawSquare(const std::string& fragment, float z)
{
    Engine::GFX::VAO square(Engine::GFX::VertexLayout{{Engine::GFX::attributeFloat, 3}});
    square.setBuffer(0, std::vector<glm::vec3>{{-1, -1, z}, {1, -1, z}, {1, 1, z}, {-1, -1, z}, {1, 1, z}, {-1, 1, z}});
    square.upload();
    Engine::Window window;
    MatrixState matrices(&window);
    Shader shader(positionVertex, fragment);
    matrices.use(shader);
    square.draw();
}

using FBOGLTest = GLTesting::GLTest;

TEST_F(FBOGLTest, TwoColourTargetsAndDepthDrawToBoth)
{
    FBO fbo(size, size);
    glBindFramebuffer(GL_FRAMEBUFFER, fbo.name);
    Texture2D first(TextureFormat::RGBA8, size, size);
    Texture2D second(TextureFormat::RGBA8, size, size);
    fbo.attachTexture(first);
    fbo.attachTexture(second);
    Texture2D depth(TextureFormat::Depth24, size, size);
    fbo.finish();
    GLint bound = -1;
    glGetIntegerv(GL_FRAMEBUFFER_BINDING, &bound);
    EXPECT_EQ(bound, 0);
    EXPECT_EQ(fbo.drawBuffers, (std::vector<uint32_t>{GL_COLOR_ATTACHMENT0, GL_COLOR_ATTACHMENT1}));

    glBindFramebuffer(GL_FRAMEBUFFER, fbo.name);
    EXPECT_EQ(drawBuffer(0), GL_COLOR_ATTACHMENT0);
    EXPECT_EQ(drawBuffer(1), GL_COLOR_ATTACHMENT1);
    glViewport(0, 0, size, size);
    drawSquare(twoOutputFragment, 0.0f);
    EXPECT_EQ(readColour(GL_COLOR_ATTACHMENT0), Rgba(255, 0, 0, 255));
    EXPECT_EQ(readColour(GL_COLOR_ATTACHMENT1), Rgba(0, 0, 255, 255));
}

TEST_F(FBOGLTest, DepthOnlyTargetKeepsDefaultDrawBufferAndTakesDepth)
{
    FBO fbo(size, size);
    glBindFramebuffer(GL_FRAMEBUFFER, fbo.name);
    Texture2D depth(TextureFormat::Depth24, size, size);
    fbo.finish();
    EXPECT_TRUE(fbo.drawBuffers.empty());
    glBindFramebuffer(GL_FRAMEBUFFER, fbo.name);
    EXPECT_EQ(drawBuffer(0), GL_COLOR_ATTACHMENT0);
    glViewport(0, 0, size, size);
    glClear(GL_DEPTH_BUFFER_BIT);
    glEnable(GL_DEPTH_TEST);
    drawSquare(depthOnlyFragment, 0.5f);
    glDisable(GL_DEPTH_TEST);
    float value = 0.0f;
    glReadPixels(1, 1, 1, 1, GL_DEPTH_COMPONENT, GL_FLOAT, &value);
    EXPECT_NEAR(value, 0.75f, 1e-4f);
}

using FBOGLDeathTest = GLTesting::GLDeathTest;

TEST_F(FBOGLDeathTest, FiveColourTargetsFitASixthDoesNotAndNoAttachmentIsIncomplete)
{
    FBO fbo(size, size);
    glBindFramebuffer(GL_FRAMEBUFFER, fbo.name);
    EXPECT_DEATH(fbo.finish(), "Assertion failed: status == GL_FRAMEBUFFER_COMPLETE ");
    Texture2D texture(TextureFormat::RGBA8, size, size);
    for (int i = 0; i < 5; ++i) fbo.attachTexture(texture);
    fbo.finish();
    ASSERT_EQ(fbo.drawBuffers.size(), 5u);
    EXPECT_EQ(fbo.drawBuffers.back(), static_cast<uint32_t>(GL_COLOR_ATTACHMENT4));
    glBindFramebuffer(GL_FRAMEBUFFER, fbo.name);
    EXPECT_DEATH(fbo.attachTexture(texture), "Assertion failed: attachement >= 0 && attachement<=4 ");
}

} // namespace

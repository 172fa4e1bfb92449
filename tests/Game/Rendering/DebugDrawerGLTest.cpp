#include "Engine/Graphics/MatrixState.h"
#include "Engine/Graphics/ShaderCollection.h"
#include "Game/Rendering/BulletDebugDrawer_OpenGL.h"
#include "tests/support/GLTestContext.h"

#include <gtest/gtest.h>

#include <array>

namespace {

using DebugDraw::BulletDebugDrawer_OpenGL;

// Wide enough to hold every name this test process creates.
constexpr GLuint namesInspected = 4096;

size_t liveObjects(GLboolean (*isObject)(GLuint))
{
    size_t count = 0;
    for (GLuint name = 1; name < namesInspected; ++name) count += isObject(name) ? 1 : 0;
    return count;
}

std::array<float, BulletDebugDrawer_OpenGL::floatsPerLine> sharedBufferContents()
{
    std::array<float, BulletDebugDrawer_OpenGL::floatsPerLine> contents{};
    glBindBuffer(GL_ARRAY_BUFFER, BulletDebugDrawer_OpenGL::sharedVertexBuffer());
    glGetBufferSubData(GL_ARRAY_BUFFER, 0, sizeof(contents), contents.data());
    glBindBuffer(GL_ARRAY_BUFFER, 0);
    return contents;
}

GLint attribute(GLuint index, GLenum property)
{
    GLint value = 0;
    glGetVertexAttribiv(index, property, &value);
    return value;
}

class DebugDrawerTest : public GLTesting::GLTest {
protected:
    BulletDebugDrawer_OpenGL drawer;
    const btVector3 red{1.0f, 0.0f, 0.0f};
};

TEST_F(DebugDrawerTest, TheModeReadsWireframeWithBoxesWhateverWasSet)
{
    drawer.setDebugMode(0);
    EXPECT_EQ(drawer.getDebugMode(), 3);
    drawer.setDebugMode(btIDebugDraw::DBG_DrawContactPoints);
    EXPECT_EQ(drawer.getDebugMode(), btIDebugDraw::DBG_DrawWireframe | btIDebugDraw::DBG_DrawAabb);
}

TEST_F(DebugDrawerTest, ALineUploadsPositionThenColourForBothEndsInTwentyFourByteVerticesReplacingTheLastLine)
{
    drawer.drawLine(btVector3(1.0f, 2.0f, 3.0f), btVector3(4.0f, 5.0f, 6.0f), btVector3(0.1f, 0.2f, 0.3f));
    const std::array<float, 12> expected{1.0f, 2.0f, 3.0f, 0.1f, 0.2f, 0.3f, 4.0f, 5.0f, 6.0f, 0.1f, 0.2f, 0.3f};
    EXPECT_EQ(sharedBufferContents(), expected);

    glBindVertexArray(BulletDebugDrawer_OpenGL::sharedVertexArray());
    for (const GLuint index : {0u, 1u}) {
        EXPECT_EQ(attribute(index, GL_VERTEX_ATTRIB_ARRAY_ENABLED), GL_TRUE);
        EXPECT_EQ(attribute(index, GL_VERTEX_ATTRIB_ARRAY_SIZE), 3);
        EXPECT_EQ(attribute(index, GL_VERTEX_ATTRIB_ARRAY_STRIDE), 24);
        EXPECT_EQ(attribute(index, GL_VERTEX_ATTRIB_ARRAY_BUFFER_BINDING),
                  static_cast<GLint>(BulletDebugDrawer_OpenGL::sharedVertexBuffer()));
    }
    void* colourOffset = nullptr;
    glGetVertexAttribPointerv(1, GL_VERTEX_ATTRIB_ARRAY_POINTER, &colourOffset);
    EXPECT_EQ(reinterpret_cast<uintptr_t>(colourOffset), 12u);
    glBindVertexArray(0);

    // The next line replaces the shared buffer and vertex array.
    const size_t buffersAfterOne = liveObjects(glIsBuffer);
    const size_t arraysAfterOne = liveObjects(glIsVertexArray);
    drawer.drawLine(btVector3(0.0f, 0.0f, 0.0f), btVector3(0.0f, 1.0f, 0.0f), red);

    EXPECT_TRUE(glIsBuffer(BulletDebugDrawer_OpenGL::sharedVertexBuffer()));
    EXPECT_TRUE(glIsVertexArray(BulletDebugDrawer_OpenGL::sharedVertexArray()));
    EXPECT_EQ(liveObjects(glIsBuffer), buffersAfterOne);
    EXPECT_EQ(liveObjects(glIsVertexArray), arraysAfterOne);
}

TEST_F(DebugDrawerTest, ALineIsDrawnInItsColourWithTheDebugProgram)
{
    ShaderCollection shaders;
    const std::unique_ptr<Shader> program = shaders.load("shaderPhysicsDebug");
    MatrixState matrices(nullptr);
    GLTesting::RenderTarget target;
    matrices.use(*program);
    matrices.setModel(glm::mat4(1.0f));

    // Through the centres of pixel row 4 of the 8 x 8 target.
    const float rowCentre = 0.125f;
    drawer.drawLine(btVector3(-1.0f, rowCentre, 0.0f), btVector3(1.0f, rowCentre, 0.0f), btVector3(0.0f, 1.0f, 0.0f));

    const GLTesting::Rgba green(0, 255, 0, 255);
    for (uint32_t x = 1; x < GLTesting::RenderTarget::size - 1; ++x) EXPECT_EQ(target.pixel(x, 4), green);
    EXPECT_EQ(target.pixel(4, 1), GLTesting::Rgba(0, 0, 0, 0));
}

} // namespace

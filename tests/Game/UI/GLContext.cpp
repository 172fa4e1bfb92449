#include "tests/Game/UI/GLContext.h"

#include <GL/glew.h>

#include "tests/Engine/Graphics/GLTestContext.h"

namespace GameGLTesting {

// One hidden window and context for every GL suite of the project.
void ensureContext()
{
    GLTesting::ensureContext();
}

void drainGLErrors()
{
    while (glGetError() != GL_NO_ERROR) {
    }
}

void GLTest::SetUp()
{
    ensureContext();
}

void GLTest::TearDown()
{
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
    glBindFramebuffer(GL_FRAMEBUFFER, 0);
    glUseProgram(0);
}

} // namespace GameGLTesting

// Colour ids as the picking pass writes them and the read under the mouse.
#include "Engine/Graphics/RenderTarget.h"
#include "Game/Editor/EditorPicking.h"
#include "Game/Level/ColorIdPool.h"
#include "tests/support/GLTestContext.h"

#include <GL/glew.h>
#include <glm/gtc/type_precision.hpp>
#include <gtest/gtest.h>

#include <vector>

namespace {

using PickingGL = GLTesting::GLTest;

// Ids around a carry, each cleared into one pixel of the top row, must read
// back as their own bytes in order, red first: that is how a face is found.
TEST_F(PickingGL, EachColourIdReadsBackAsItsBytesAndTheReadTakesTheRedByteNearestTheMouse)
{
    constexpr int width = 16;
    constexpr int height = 8;
    Engine::GFX::RenderTarget target(width, height, 1, Engine::GFX::DepthStorage::None);
    glBindFramebuffer(GL_FRAMEBUFFER, target.framebuffer.name);
    glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    Game::ColorIdPool pool;
    pool.b0 = 254;
    pool.b1 = 7;
    std::vector<Game::ColorId> ids;
    glEnable(GL_SCISSOR_TEST);
    for (int x = 0; x < 3; ++x) {
        ids.push_back(pool.take());
        const glm::vec3 colour = ids.back().toColor();
        glScissor(x, height - 1, 1, 1);
        glClearColor(colour.r, colour.g, colour.b, 1.0f);
        glClear(GL_COLOR_BUFFER_BIT);
    }
    glDisable(GL_SCISSOR_TEST);
    glm::u8vec4 row[3];
    glReadPixels(0, height - 1, 3, 1, GL_RGBA, GL_UNSIGNED_BYTE, row);
    const glm::u8vec3 expected[] = {{254, 7, 1}, {255, 7, 1}, {0, 8, 1}};
    for (int x = 0; x < 3; ++x) {
        EXPECT_EQ(glm::u8vec3(ids[x].b0, ids[x].b1, ids[x].b2), expected[x]) << x;
        EXPECT_EQ(glm::u8vec3(row[x]), expected[x]) << x;
    }
    glBindFramebuffer(GL_FRAMEBUFFER, 0);

    const struct { int x, y; uint8_t red; } reads[] = {{1, height - 1, 255}, {-20, 5000, 254}, {2, 99, 0}, {5, 0, 0}};
    for (const auto& read : reads) EXPECT_EQ(Game::readPickingRed(target.framebuffer, read.x, read.y), read.red) << read.x;
    GLint bound = -1;
    glGetIntegerv(GL_FRAMEBUFFER_BINDING, &bound);
    EXPECT_EQ(bound, 0);
}

} // namespace

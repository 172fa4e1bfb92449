#include "Game/Editor/EditorPicking.h"

#include "Engine/Graphics/FBO.h"

#include <GL/glew.h>
#include <glm/gtc/type_precision.hpp>

#include <algorithm>

namespace Game {

glm::ivec2 clampToTarget(int32_t x, int32_t y, uint32_t width, uint32_t height)
{
    const int32_t lastColumn = std::max(static_cast<int32_t>(width) - 1, 0);
    const int32_t lastRow = std::max(static_cast<int32_t>(height) - 1, 0);
    return glm::ivec2(std::clamp(x, 0, lastColumn), std::clamp(y, 0, lastRow));
}

uint8_t readPickingRed(const FBO& framebuffer, int32_t x, int32_t y)
{
    const glm::ivec2 pixel = clampToTarget(x, y, framebuffer.width, framebuffer.height);
    glm::u8vec4 rgba(0);
    glBindFramebuffer(GL_FRAMEBUFFER, framebuffer.name);
    glFlush();
    glFinish();
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(pixel.x, pixel.y, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, &rgba);
    glBindFramebuffer(GL_FRAMEBUFFER, 0);
    return rgba.r;
}

} // namespace Game

#include "Game/Rendering/OutlineComposite.h"

#include <GL/glew.h>

#include "Engine/Graphics/Drawable.h"
#include "Engine/Graphics/RenderTarget.h"

namespace Game {

namespace {

void bindTexture(GLenum unit, const Engine::GFX::Texture2D& texture)
{
    glActiveTexture(unit);
    glBindTexture(GL_TEXTURE_2D, texture.name);
}

glm::ivec2 sizeOf(const Engine::GFX::RenderTarget& target)
{
    return glm::ivec2(target.colour(0).width, target.colour(0).height);
}

// Linear filtering of one read per window pixel: far cheaper on a software
// renderer than filtering the composite's six reads.
void stretchOnto(const Engine::GFX::RenderTarget& scaled, GLuint destination, glm::ivec2 size)
{
    const glm::ivec2 from = sizeOf(scaled);
    glBindFramebuffer(GL_READ_FRAMEBUFFER, scaled.framebuffer.name);
    glBindFramebuffer(GL_DRAW_FRAMEBUFFER, destination);
    glBlitFramebuffer(0, 0, from.x, from.y, 0, 0, size.x, size.y, GL_COLOR_BUFFER_BIT, GL_LINEAR);
    glBindFramebuffer(GL_FRAMEBUFFER, destination);
}

} // namespace

void drawOutlineComposite(const OutlineCompositeInputs& inputs)
{
    bindTexture(GL_TEXTURE0, inputs.scene->colour(0));
    bindTexture(GL_TEXTURE1, inputs.scene->colour(1));
    if (inputs.scaled == nullptr) {
        glBindFramebuffer(GL_FRAMEBUFFER, inputs.destination);
        inputs.screenQuad->draw();
        return;
    }
    const glm::ivec2 sceneSize = sizeOf(*inputs.scene);
    glBindFramebuffer(GL_FRAMEBUFFER, inputs.scaled->framebuffer.name);
    glViewport(0, 0, sceneSize.x, sceneSize.y);
    inputs.screenQuad->draw();
    stretchOnto(*inputs.scaled, inputs.destination, inputs.window);
    glViewport(0, 0, inputs.window.x, inputs.window.y);
}

} // namespace Game

#include "Game/Rendering/OutlineComposite.h"

#include <GL/glew.h>

#include "Engine/Graphics/Drawable.h"
#include "Engine/Graphics/MatrixState.h"
#include "Engine/Graphics/RenderTarget.h"
#include "Engine/Graphics/Sampler.h"

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

void drawQuadWith(const OutlineCompositeInputs& inputs, const Shader& shader)
{
    inputs.matrices->use(shader);
    inputs.matrices->setModel(glm::mat4(1.0f));
    inputs.screenQuad->draw();
}

// The composite's taps are texel fetches at the fragment's pixel: it draws
// at the scene's size. A software renderer pays for filtering on every
// read, so the stretch filters once per window pixel rather than six times.
void stretchOnto(const OutlineCompositeInputs& inputs)
{
    const Shader& shader = *inputs.upscale;
    glBindFramebuffer(GL_FRAMEBUFFER, inputs.destination);
    glViewport(0, 0, inputs.window.x, inputs.window.y);
    bindTexture(GL_TEXTURE0, inputs.scaled->colour(0));
    glBindSampler(0, inputs.upscaleSampler->name);
    drawQuadWith(inputs, shader);
    glBindSampler(0, 0);
}

} // namespace

void drawOutlineComposite(const OutlineCompositeInputs& inputs)
{
    bindTexture(GL_TEXTURE0, inputs.scene->colour(0));
    bindTexture(GL_TEXTURE1, inputs.scene->colour(1));
    if (inputs.scaled == nullptr) {
        glBindFramebuffer(GL_FRAMEBUFFER, inputs.destination);
        drawQuadWith(inputs, *inputs.composite);
        return;
    }
    const glm::ivec2 sceneSize = sizeOf(*inputs.scene);
    glBindFramebuffer(GL_FRAMEBUFFER, inputs.scaled->framebuffer.name);
    glViewport(0, 0, sceneSize.x, sceneSize.y);
    drawQuadWith(inputs, *inputs.composite);
    stretchOnto(inputs);
}

} // namespace Game

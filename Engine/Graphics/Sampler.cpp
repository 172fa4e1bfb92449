#include "Engine/Graphics/Sampler.h"

#include <GL/glew.h>

#include <algorithm>

namespace Engine::GFX {

Sampler::Sampler()
{
    glGenSamplers(1, &name);
}

Sampler::~Sampler()
{
    glDeleteSamplers(1, &name);
}

void Sampler::setFilters(int32_t minification, int32_t magnification)
{
    glSamplerParameteri(name, GL_TEXTURE_MIN_FILTER, minification);
    glSamplerParameteri(name, GL_TEXTURE_MAG_FILTER, magnification);
}

void Sampler::setWrap(int32_t wrapS, int32_t wrapT)
{
    glSamplerParameteri(name, GL_TEXTURE_WRAP_S, wrapS);
    glSamplerParameteri(name, GL_TEXTURE_WRAP_T, wrapT);
}

void Sampler::setMaxAnisotropy(float anisotropy)
{
    glSamplerParameterf(name, GL_TEXTURE_MAX_ANISOTROPY_EXT, anisotropy);
}

float maxAnisotropy()
{
    GLfloat largest = 1.0f;
    glGetFloatv(GL_MAX_TEXTURE_MAX_ANISOTROPY_EXT, &largest);
    return largest;
}

float chooseAnisotropy(float requested, float largest)
{
    if (requested < 1.0f) return largest;
    return std::max(1.0f, std::min(requested, largest));
}

} // namespace Engine::GFX

#pragma once

#include <cstdint>

namespace Engine::GFX {

// A GL sampler object: filtering and wrapping that override a texture's own
// parameters on the unit it is bound to. Needs a current GL context.
class Sampler {
public:
    Sampler();
    ~Sampler();
    Sampler(const Sampler&) = delete;
    Sampler& operator=(const Sampler&) = delete;

    // GL enum values (GL_LINEAR, GL_REPEAT, ...).
    void setFilters(int32_t minification, int32_t magnification);
    void setWrap(int32_t wrapS, int32_t wrapT);
    void setMaxAnisotropy(float anisotropy);

    uint32_t name = 0;
};

// The largest anisotropy the driver offers (GL_MAX_TEXTURE_MAX_ANISOTROPY_EXT).
float maxAnisotropy();

// The anisotropy to set up textures with: what the user asked for, within
// what the driver offers; a request below 1 asks for the driver's largest.
float chooseAnisotropy(float requested, float largest);

} // namespace Engine::GFX

#pragma once

#include <cstdint>

#include <glm/glm.hpp>

class MatrixState;
class Shader;

namespace Engine::GFX {
class Drawable;
class RenderTarget;
class Sampler;
} // namespace Engine::GFX

namespace Game {

// What one outlined composite reads and writes.
struct OutlineCompositeInputs {
    // Holding the full-screen camera's view and projection.
    MatrixState* matrices = nullptr;
    const Shader* composite = nullptr; // "shaderOutlineComposite"
    const Shader* upscale = nullptr;   // "shaderSceneUpscale"
    const Engine::GFX::Sampler* upscaleSampler = nullptr; // linear
    // The scene's two colour targets.
    const Engine::GFX::RenderTarget* scene = nullptr;
    // A one-target framebuffer of the scene's size, for a scene drawn
    // smaller than the window; null when the two sizes match.
    const Engine::GFX::RenderTarget* scaled = nullptr;
    Engine::GFX::Drawable* screenQuad = nullptr;
    // The framebuffer drawn onto (0: the window) and its size.
    uint32_t destination = 0;
    glm::ivec2 window{0, 0};
};

// The scene's colour darkened by the outlines of its target 1, onto the
// destination. A scene of the destination's size is drawn onto it in one
// full-screen pass; a smaller one is drawn at its own size into `scaled`,
// which a second pass stretches over the destination, reading it once per
// pixel with linear filtering. Leaves the destination bound, the viewport
// over it and no sampler on units 0 and 1.
void drawOutlineComposite(const OutlineCompositeInputs& inputs);

} // namespace Game

#pragma once

#include "Engine/ECS/System.h"

#include <glm/glm.hpp>

class MatrixState;

namespace Engine::GFX {
class Drawable;
}

// Draws the player's grappling rope while it is hooked, from the blended
// character position to the hook point. The caller has made the rope
// program current and bound its texture; the run's dt is the frame's
// interpolation factor.
//
// Two draws: the rope's back faces blended into every colour target but the
// second, without depth; then depth together with a zero alpha in the
// second target only, so the composite outlines the rope. GL state is put
// back afterwards: all colour masks on, back-face culling, blending off with
// the usual alpha blend function, depth writes on.
class GrapplingHookMeshRenderSysten : public Engine::ECS::System {
public:
    GrapplingHookMeshRenderSysten(Engine::ECS::EntityManager* world, MatrixState* matrixState,
                                  Engine::GFX::Drawable* ropeMesh);

    void update(uint32_t entity, float alpha) override;

private:
    void drawRope(const glm::mat4& model);

    MatrixState* matrixState;
    Engine::GFX::Drawable* ropeMesh;
};

#pragma once

#include "Game/Rendering/BaseMeshRenderSystem.h"

// The map editor's selection overlays (render group 2). The selection
// program colours the mesh itself, so no texture is bound.
class SelectedEntityRenderSystem : public BaseMeshRenderSystem {
public:
    SelectedEntityRenderSystem(Engine::ECS::EntityManager* world, MatrixState* matrixState);

    void update(uint32_t entity, float dt) override;
};

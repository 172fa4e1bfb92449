#pragma once

#include "Game/Rendering/BaseMeshRenderSystem.h"

// Ordinary textured meshes (render group 0): the mesh's texture on unit 0.
class DefaultMeshRenderSystem : public BaseMeshRenderSystem {
public:
    DefaultMeshRenderSystem(Engine::ECS::EntityManager* world, MatrixState* matrixState);

    void update(uint32_t entity, float dt) override;
};

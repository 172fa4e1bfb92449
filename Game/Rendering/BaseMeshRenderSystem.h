#pragma once

#include "Engine/ECS/System.h"

#include <cstdint>

class MatrixState;

// Draws the meshes of one render group: an entity joins only while its
// MeshComponent carries the system's group. The program, camera and target
// are the caller's; each entity only sets its model matrix and draws.
class BaseMeshRenderSystem : public Engine::ECS::System {
public:
    BaseMeshRenderSystem(Engine::ECS::EntityManager* world, uint32_t renderGroup, MatrixState* matrixState);

    bool accepts(uint32_t entity) override;

protected:
    // Sets the entity's model matrix; false when its mesh has nothing to draw.
    bool prepareModel(uint32_t entity);

    uint32_t renderGroup;
    MatrixState* matrixState;
};

#include "Game/Rendering/BaseMeshRenderSystem.h"

#include "Engine/ECS/EntityManager.h"
#include "Engine/Graphics/MatrixState.h"
#include "Game/Scene/MeshComponent.h"
#include "Game/Scene/TransformComponent.h"

BaseMeshRenderSystem::BaseMeshRenderSystem(Engine::ECS::EntityManager* world, uint32_t renderGroup,
                                           MatrixState* matrixState)
    : System(world, {MeshComponent::_cType, TransformComponent::_cType}),
      renderGroup(renderGroup),
      matrixState(matrixState)
{
}

bool BaseMeshRenderSystem::accepts(uint32_t entity)
{
    return world->getComponent<MeshComponent>(entity).renderGroup == renderGroup;
}

bool BaseMeshRenderSystem::prepareModel(uint32_t entity)
{
    if (world->getComponent<MeshComponent>(entity).drawable == nullptr) return false;
    matrixState->setModel(world->getComponent<TransformComponent>(entity).modelMatrix);
    return true;
}

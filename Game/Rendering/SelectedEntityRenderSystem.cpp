#include "Game/Rendering/SelectedEntityRenderSystem.h"

#include "Engine/ECS/EntityManager.h"
#include "Engine/Graphics/Drawable.h"
#include "Game/Scene/MeshComponent.h"

SelectedEntityRenderSystem::SelectedEntityRenderSystem(Engine::ECS::EntityManager* world, MatrixState* matrixState)
    : BaseMeshRenderSystem(world, MeshComponent::selectedGroup, matrixState)
{
}

void SelectedEntityRenderSystem::update(uint32_t entity, float /*dt*/)
{
    if (!prepareModel(entity)) return;
    world->getComponent<MeshComponent>(entity).drawable->draw();
}

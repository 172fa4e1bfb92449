#include "Game/Rendering/DefaultMeshRenderSystem.h"

#include "Engine/ECS/EntityManager.h"
#include "Engine/Graphics/Drawable.h"
#include "Engine/Graphics/Texture2D.h"
#include "Game/Scene/MeshComponent.h"

#include <GL/glew.h>

DefaultMeshRenderSystem::DefaultMeshRenderSystem(Engine::ECS::EntityManager* world, MatrixState* matrixState)
    : BaseMeshRenderSystem(world, MeshComponent::ordinaryGroup, matrixState)
{
}

void DefaultMeshRenderSystem::update(uint32_t entity, float /*dt*/)
{
    if (!prepareModel(entity)) return;
    const MeshComponent& mesh = world->getComponent<MeshComponent>(entity);
    glActiveTexture(GL_TEXTURE0);
    glBindTexture(GL_TEXTURE_2D, mesh.texture != nullptr ? mesh.texture->name : 0);
    mesh.drawable->draw();
}

#include "Game/Rendering/GrapplingHookMeshRenderSysten.h"

#include "Engine/ECS/EntityManager.h"
#include "Engine/Graphics/Drawable.h"
#include "Engine/Graphics/MatrixState.h"
#include "Game/Physics/CharacterControllerComponent.h"
#include "Game/Rendering/RopeGeometry.h"
#include "Game/Scene/TransformComponent.h"

#include <GL/glew.h>

namespace {

// The scene framebuffer's second target holds the outline data.
constexpr GLuint colourTarget = 0;
constexpr GLuint outlineTarget = 1;

void setColourMask(GLuint target, bool red, bool green, bool blue, bool alpha)
{
    glColorMaski(target, red, green, blue, alpha);
}

} // namespace

GrapplingHookMeshRenderSysten::GrapplingHookMeshRenderSysten(Engine::ECS::EntityManager* world,
                                                             MatrixState* matrixState,
                                                             Engine::GFX::Drawable* ropeMesh)
    : System(world, {CharacterControllerComponent::_cType, TransformComponent::_cType}),
      matrixState(matrixState),
      ropeMesh(ropeMesh)
{
}

void GrapplingHookMeshRenderSysten::update(uint32_t entity, float alpha)
{
    const CharacterControllerComponent& character = world->getComponent<CharacterControllerComponent>(entity);
    if (!character.hooked || ropeMesh == nullptr) return;
    const TransformComponent& transform = world->getComponent<TransformComponent>(entity);
    const glm::vec3 start = RopeGeometry::blendedPosition(transform.previousPosition, transform.position, alpha);
    const std::optional<glm::mat4> model = RopeGeometry::ropeModelMatrix(start, character.hookPoint);
    if (model) drawRope(*model);
}

void GrapplingHookMeshRenderSysten::drawRope(const glm::mat4& model)
{
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    matrixState->setModel(model);

    glCullFace(GL_FRONT);
    setColourMask(outlineTarget, false, false, false, false);
    glDepthMask(GL_FALSE);
    ropeMesh->draw();

    setColourMask(colourTarget, false, false, false, false);
    setColourMask(outlineTarget, false, false, false, true);
    glDepthMask(GL_TRUE);
    glBlendFunc(GL_ZERO, GL_ZERO);
    ropeMesh->draw();

    setColourMask(colourTarget, true, true, true, true);
    setColourMask(outlineTarget, true, true, true, true);
    glEnable(GL_CULL_FACE);
    glCullFace(GL_BACK);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glDisable(GL_BLEND);
}

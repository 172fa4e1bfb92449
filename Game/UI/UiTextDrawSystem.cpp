#include "Game/UI/UiTextDrawSystem.h"

#include <GL/glew.h>

#include "Engine/ECS/EntityManager.h"
#include "Game/UI/TextAlignment.h"
#include "Game/UI/TextDrawing.h"
#include "Game/UI/UIComponents.h"

namespace UI::System {

using Component::UItextComponent;
using Component::UITransformComponent;

UiTextDrawSystem::UiTextDrawSystem(Engine::ECS::EntityManager* world, MatrixState* matrices, uint32_t layer,
                                   const Shader* shader)
    : System(world, {UITransformComponent::_cType, UItextComponent::_cType})
    , matrices(matrices)
    , layer(layer)
    , shader(shader)
{
}

void UiTextDrawSystem::begin()
{
    matrices->use(shader);
}

bool UiTextDrawSystem::accepts(uint32_t entity)
{
    return world->getComponent<UItextComponent>(entity).layer == layer;
}

void UiTextDrawSystem::update(uint32_t entity, float)
{
    const UITransformComponent& element = world->getComponent<UITransformComponent>(entity);
    UItextComponent& text = world->getComponent<UItextComponent>(entity);
    Engine::GFX::TextMesh& mesh = *text.textMesh;

    glEnable(GL_BLEND);
    glBlendFunc(GL_ONE, GL_ONE_MINUS_SRC_ALPHA);
    const glm::vec2 origin =
        alignedTextOrigin(element, mesh.width, mesh.height, text.horizontalAlignment, text.verticalAlignment);
    drawText(*matrices, mesh, glm::vec3(origin, 0.0f), glm::vec2(1.0f));
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glDisable(GL_BLEND);
}

} // namespace UI::System

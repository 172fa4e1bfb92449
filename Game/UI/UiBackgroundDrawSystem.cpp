#include "Game/UI/UiBackgroundDrawSystem.h"

#include <utility>

#include <GL/glew.h>
#include <glm/gtc/matrix_transform.hpp>

#include "Engine/Base/Assert.h"
#include "Engine/ECS/EntityManager.h"

namespace UI::System {

using Component::UIBackgroundComponent;
using Component::UIclickableComponent;
using Component::UITransformComponent;

namespace {

constexpr const char* backgroundColourUniform = "uBackgroundColor";

} // namespace

UiBackgroundDrawSystem::UiBackgroundDrawSystem(Engine::ECS::EntityManager* world, MatrixState* matrices,
                                               uint32_t layer, std::shared_ptr<Engine::GFX::Mesh::Model3D> quad,
                                               const Shader* shader)
    : System(world, {UITransformComponent::_cType, UIBackgroundComponent::_cType})
    , matrices(matrices)
    , layer(layer)
    , quad(std::move(quad))
    , shader(shader)
{
}

void UiBackgroundDrawSystem::begin()
{
    matrices->use(shader);
}

bool UiBackgroundDrawSystem::accepts(uint32_t entity)
{
    return world->getComponent<UIBackgroundComponent>(entity).layer == layer;
}

void UiBackgroundDrawSystem::update(uint32_t entity, float)
{
    const UITransformComponent& element = world->getComponent<UITransformComponent>(entity);
    const UIBackgroundComponent& background = world->getComponent<UIBackgroundComponent>(entity);
    const UIclickableComponent* clickable =
        world->hasComponent<UIclickableComponent>(entity) ? &world->getComponent<UIclickableComponent>(entity)
                                                          : nullptr;
    const Engine::GFX::Texture2D* texture = backgroundTexture(background, clickable);

    const glm::mat4 placed = glm::translate(glm::mat4(1.0f), glm::vec3(element.x, element.y, 0.0f));
    matrices->setModel(glm::scale(placed, glm::vec3(element.width, element.height, 1.0f)));
    shader->setUniform(backgroundColourUniform, background.colour);
    glActiveTexture(GL_TEXTURE0);
    glBindTexture(GL_TEXTURE_2D, texture != nullptr ? texture->name : 0);
    quad->draw();
}

const Engine::GFX::Texture2D* backgroundTexture(const UIBackgroundComponent& background,
                                                const UIclickableComponent* clickable)
{
    if (clickable == nullptr) {
        return background.texture;
    }
    if (clickable->state == UIclickableComponent::pressed) {
        GAME_ASSERT_MSG(clickable->backgroundPressed != nullptr, "backgroundPressed != nullptr");
        return clickable->backgroundPressed;
    }
    if (clickable->state == UIclickableComponent::hovered) {
        GAME_ASSERT_MSG(clickable->backgroundHover != nullptr, "backgroundHover != nullptr");
        return clickable->backgroundHover;
    }
    return background.texture;
}

} // namespace UI::System

#include "Game/UI/MenuElements.h"

#include "Game/UI/UIComponents.h"

namespace UI {

using namespace Component;

uint32_t makeBackgroundElement(Engine::ECS::EntityManager& world, float x, float y, float width, float height,
                               Engine::GFX::Texture2D* texture, const glm::vec4& colour)
{
    const uint32_t entity = world.createEntity();
    world.addComponent(entity, UITransformComponent(x, y, width, height));
    world.addComponent(entity, UIBackgroundComponent(colour, texture));
    return entity;
}

uint32_t makeButtonElement(Engine::ECS::EntityManager& world, float x, float y, float width, float height,
                           Engine::GFX::Texture2D* texture, const glm::vec4& colour, Engine::GFX::Font* font,
                           const std::string& text)
{
    const uint32_t entity = makeBackgroundElement(world, x, y, width, height, texture, colour);
    world.addComponent(entity, UItextComponent(text, font));
    return entity;
}

} // namespace UI

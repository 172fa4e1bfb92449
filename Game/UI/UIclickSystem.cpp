#include "Game/UI/UIclickSystem.h"

#include <SDL_mouse.h>

#include "Engine/ECS/EntityManager.h"
#include "Game/UI/ClickRule.h"
#include "Game/UI/UIComponents.h"

namespace UI::System {

using Component::UIclickableComponent;
using Component::UITransformComponent;

UIclickSystem::UIclickSystem(Engine::ECS::EntityManager* world, Engine::MouseState* mouse)
    : System(world, {UIclickableComponent::_cType, UITransformComponent::_cType})
    , mouse(mouse)
{
}

void UIclickSystem::update(uint32_t entity, float)
{
    const PointerSample pointer{mouse->glX, mouse->glY, (mouse->buttons & SDL_BUTTON_LMASK) != 0,
                                (mouse->previousButtons & SDL_BUTTON_LMASK) != 0};
    UIclickableComponent& clickable = world->getComponent<UIclickableComponent>(entity);
    const ClickOutcome outcome = evaluateClick(world->getComponent<UITransformComponent>(entity), pointer);
    clickable.state = outcome.state;
    if (outcome.fires) {
        clickable.callback();
    }
}

} // namespace UI::System

#include "Game/UI/UITextFieldSystem.h"

#include <algorithm>

#include <SDL_keyboard.h>
#include <SDL_scancode.h>

#include "Engine/ECS/EntityManager.h"
#include "Game/UI/UIComponents.h"

namespace UI::System {

using Component::UItextComponent;
using Component::UITextFieldComponent;

namespace {

void showField(UItextComponent& text, const TextField& field)
{
    if (text.text == field.shown()) return;
    text.text = field.shown();
    text.textMesh->text = text.text;
    text.textMesh->rebuild();
}

} // namespace

UITextFieldSystem::UITextFieldSystem(Engine::ECS::EntityManager* world, Engine::KeyboardState* keyboard)
    : System(world, {UITextFieldComponent::_cType, UItextComponent::_cType})
    , keyboard(keyboard)
{
}

void UITextFieldSystem::update(uint32_t entity, float)
{
    UITextFieldComponent& element = world->getComponent<UITextFieldComponent>(entity);
    // The keys held as the field opened (the Ctrl+S that asked for it) and
    // their key repeats are not typing: the field takes keys once all are up.
    element.armed = element.armed || std::none_of(keyboard->current.begin(), keyboard->current.end(),
                                                    [](uint8_t held) { return held != 0; });
    const bool ctrlDown = keyboard->held(SDL_SCANCODE_LCTRL) || keyboard->held(SDL_SCANCODE_RCTRL);
    const TextField::Outcome outcome =
        element.armed && !ctrlDown ? element.field.take(keyboard->presses) : TextField::Outcome::editing;
    showField(world->getComponent<UItextComponent>(entity), element.field);
    if (outcome == TextField::Outcome::accepted) element.onAccept(element.field.text());
    if (outcome == TextField::Outcome::cancelled) element.onCancel();
}

void UITextFieldSystem::onEntityAdded(uint32_t entity)
{
    SDL_StartTextInput();
    showField(world->getComponent<UItextComponent>(entity), world->getComponent<UITextFieldComponent>(entity).field);
}

void UITextFieldSystem::onEntityRemoved(uint32_t)
{
    if (entities.size() <= 1) SDL_StopTextInput();
}

} // namespace UI::System

#include "Game/UI/MenuNavigator.h"

#include <SDL_gamecontroller.h>
#include <SDL_mouse.h>
#include <SDL_scancode.h>

#include <algorithm>
#include <map>

#include "Engine/Core/KeyboardState.h"
#include "Engine/Core/MouseState.h"
#include "Engine/Core/PadState.h"
#include "Engine/ECS/EntityManager.h"
#include "Game/UI/Menu.h"
#include "Game/UI/MenuNavigation.h"
#include "Game/UI/UIComponents.h"

namespace UI {

namespace {
using Component::UIclickableComponent;
using Component::UITransformComponent;
using Engine::PadState;

constexpr uint32_t mouseButtons = SDL_BUTTON_LMASK | SDL_BUTTON_MMASK | SDL_BUTTON_RMASK;
} // namespace

MenuInput readMenuInput(const Engine::KeyboardState& keyboard, const Engine::MouseState& mouse, const PadState& pad)
{
    MenuInput input;
    const bool up = keyboard.pressed(SDL_SCANCODE_UP) || pad.pressed(SDL_CONTROLLER_BUTTON_DPAD_UP) ||
                    pad.pressed(PadState::leftStickUp);
    const bool down = keyboard.pressed(SDL_SCANCODE_DOWN) || pad.pressed(SDL_CONTROLLER_BUTTON_DPAD_DOWN) ||
                      pad.pressed(PadState::leftStickDown);
    input.step = static_cast<int>(down) - static_cast<int>(up);
    input.press = keyboard.pressed(SDL_SCANCODE_RETURN) || keyboard.pressed(SDL_SCANCODE_KP_ENTER) ||
                  pad.pressed(SDL_CONTROLLER_BUTTON_A);
    input.pointerUsed = mouse.relativeX != 0 || mouse.relativeY != 0 || mouse.buttonPressed(mouseButtons);
    return input;
}

void MenuNavigator::update(const MenuInput& input)
{
    if (input.pointerUsed) highlighted.reset();
    const std::vector<std::string> order = buttonsInOrder();
    if (input.step != 0) {
        const auto found = std::find(order.begin(), order.end(), highlighted.value_or(""));
        const std::optional<std::size_t> current =
            found == order.end() ? std::nullopt : std::optional<std::size_t>(found - order.begin());
        const std::optional<std::size_t> next = stepHighlight(current, order.size(), input.step);
        highlighted = next ? std::optional<std::string>(order[*next]) : std::nullopt;
    }
    if (highlighted && std::find(order.begin(), order.end(), *highlighted) == order.end()) highlighted.reset();
    if (!highlighted) return;
    showHighlight(order);
    if (input.press) pressHighlighted();
}

std::vector<std::string> MenuNavigator::buttonsInOrder() const
{
    std::vector<NavigableButton> buttons;
    std::map<uint32_t, std::string> names;
    for (const auto& [name, entity] : menu->guiElements) {
        if (!world->isAlive(entity) || !world->hasComponent<UIclickableComponent>(entity)) continue;
        const auto& box = world->getComponent<UITransformComponent>(entity);
        buttons.push_back(NavigableButton{entity, box.x, box.y});
        names[entity] = name;
    }
    std::vector<std::string> order;
    for (const uint32_t entity : navigationOrder(buttons)) order.push_back(names[entity]);
    return order;
}

// The keys were used last: the highlighted button looks hovered and no other
// does, whatever the resting pointer is over (a button held down with the
// mouse keeps its pressed look).
void MenuNavigator::showHighlight(const std::vector<std::string>& order) const
{
    for (const std::string& name : order) {
        auto& clickable = world->getComponent<UIclickableComponent>(menu->guiElements.at(name));
        if (clickable.state == UIclickableComponent::pressed) continue;
        clickable.state = name == *highlighted ? UIclickableComponent::hovered : UIclickableComponent::idle;
    }
}

void MenuNavigator::pressHighlighted() const
{
    const auto callback = world->getComponent<UIclickableComponent>(menu->guiElements.at(*highlighted)).callback;
    callback();
}

} // namespace UI

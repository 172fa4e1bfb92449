#pragma once

#include <optional>
#include <string>
#include <vector>

namespace Engine {
class KeyboardState;
class MouseState;
class PadState;
} // namespace Engine

namespace Engine::ECS {
class EntityManager;
}

namespace UI {

class Menu;

// What the keys and the pad ask of a menu in one step: a step of the
// highlight (-1 up, +1 down, 0 none), a press of the highlighted button, and
// whether the mouse was used (moved or clicked), which hands the menu back
// to the pointer.
struct MenuInput {
    int step = 0;
    bool press = false;
    bool pointerUsed = false;
};

// Up and Down arrows, the d-pad or the left stick pushed far step; Enter
// or A presses.
MenuInput readMenuInput(const Engine::KeyboardState& keyboard, const Engine::MouseState& mouse,
                        const Engine::PadState& pad);

// The keyboard's and the pad's highlight in the menu shown: it moves from
// button to button in navigationOrder and shows the hover look, and a press
// runs the highlighted button's action. The highlight is kept by the
// button's name, so it stays on its row when a menu is built again (an
// Options row relabelled) and starts afresh in another menu. When the
// mouse is used the highlight goes and the pointer's hover shows again.
class MenuNavigator {
public:
    MenuNavigator(Engine::ECS::EntityManager* world, Menu* menu) : world(world), menu(menu) {}

    // Once per step while a menu is shown, after the click system.
    void update(const MenuInput& input);

    // The highlighted button's name, if the keys or pad were used last.
    std::optional<std::string> highlighted;

private:
    // Names of the menu's clickable buttons in walking order.
    std::vector<std::string> buttonsInOrder() const;
    void showHighlight(const std::vector<std::string>& order) const;
    void pressHighlighted() const;

    Engine::ECS::EntityManager* world;
    Menu* menu;
};

} // namespace UI

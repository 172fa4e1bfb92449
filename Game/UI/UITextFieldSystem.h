#pragma once

#include <cstdint>

#include "Engine/Core/KeyboardState.h"
#include "Engine/ECS/System.h"

namespace UI::System {

// Feeds each step's typing to every text field element and shows the result
// in its text. The platform's text input is on while a field exists, so
// typed characters arrive composed (shifted letters, dead keys).
class UITextFieldSystem : public Engine::ECS::System {
public:
    UITextFieldSystem(Engine::ECS::EntityManager* world, Engine::KeyboardState* keyboard);

    // Enter and Escape run the field's callbacks from here; entities they
    // destroy stay readable until the world's next refresh.
    void update(uint32_t entity, float dt) override;
    void onEntityAdded(uint32_t entity) override;
    void onEntityRemoved(uint32_t entity) override;

    Engine::KeyboardState* keyboard;
};

} // namespace UI::System

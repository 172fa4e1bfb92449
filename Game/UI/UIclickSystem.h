#pragma once

#include <cstdint>

#include "Engine/Core/MouseState.h"
#include "Engine/ECS/System.h"

namespace UI::System {

// Hover, press and click of every clickable element, once per update step.
// Overlapping elements all react: each one under the pointer changes its look
// and fires on the same release.
class UIclickSystem : public Engine::ECS::System {
public:
    UIclickSystem(Engine::ECS::EntityManager* world, Engine::MouseState* mouse);

    // A click runs its callback from here; entities the callback destroys
    // stay readable until the world's next refresh. An empty callback throws
    // std::bad_function_call.
    void update(uint32_t entity, float dt) override;

    Engine::MouseState* mouse;
};

} // namespace UI::System

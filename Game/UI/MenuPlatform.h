#pragma once

#include <glm/glm.hpp>

#include "Engine/Core/GameEngine.h"

namespace UI {

// The window calls the menus make, behind an interface so tests can watch
// the mouse mode without a real window.
class MenuPlatform {
public:
    virtual ~MenuPlatform() = default;

    // Relative mode hides the cursor and reports only movement (play).
    virtual void setRelativeMouseMode(bool enabled) = 0;
    // Puts the cursor in the middle of the window.
    virtual void centreMouse() = 0;
};

// The real thing: SDL on the engine's window.
class SdlMenuPlatform final : public MenuPlatform {
public:
    explicit SdlMenuPlatform(Engine::GameEngine* engine) : engine(engine) {}

    void setRelativeMouseMode(bool enabled) override;
    void centreMouse() override;

private:
    Engine::GameEngine* engine;
};

} // namespace UI

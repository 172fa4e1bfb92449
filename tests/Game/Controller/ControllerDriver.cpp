#include "tests/Game/Controller/ControllerDriver.h"

#include "Engine/Core/KeyboardState.h"
#include "Engine/Core/MouseState.h"
#include "Engine/ECS/EntityManager.h"
#include "Game/UI/Menu.h"
#include "Game/UI/UIComponents.h"

#include <SDL.h>

#include <stdexcept>

namespace ControllerTest {

namespace {

constexpr int holdSteps = 3;

} // namespace

ControllerDriver::ControllerDriver() : controller(&engine)
{
    if (!engine.init()) throw std::runtime_error("the engine could not start");
    engine.game = &controller;
    controller.init();
}

ControllerDriver::~ControllerDriver()
{
    controller.shutdown();
    Engine::destroyWindow(*engine.window);
    SDL_Quit();
}

void ControllerDriver::writeInput(const StepInput& input)
{
    Engine::KeyboardState& keyboard = *engine.keyboard;
    keyboard.previous = keyboard.current;
    std::fill(keyboard.current.begin(), keyboard.current.end(), 0);
    for (int key : input.keys) keyboard.current[key] = 1;

    Engine::MouseState& mouse = *engine.mouse;
    mouse.resetPending = false;
    mouse.relativeX = 0;
    mouse.relativeY = 0;
    mouse.wheel = 0;
    mouse.previousButtons = mouse.buttons;
    mouse.buttons = input.buttons;
    mouse.glX = input.mouse.x;
    mouse.glY = input.mouse.y;
    mouse.x = input.mouse.x;
    mouse.y = controller.windowSettings.resolutionHeight - input.mouse.y;
}

void ControllerDriver::step(const StepInput& input)
{
    writeInput(input);
    controller.update();
    if (++stepCount % stepsPerFrame == 0) controller.render(frameAlpha);
}

void ControllerDriver::steps(int count, const StepInput& input)
{
    for (int i = 0; i < count; ++i) step(input);
}

void ControllerDriver::clickAt(glm::ivec2 position)
{
    StepInput press;
    press.mouse = position;
    press.buttons = SDL_BUTTON_LMASK;
    steps(holdSteps, press);
    StepInput release;
    release.mouse = position;
    steps(holdSteps, release);
}

void ControllerDriver::clickElement(const std::string& name)
{
    clickAt(elementCentre(name));
}

void ControllerDriver::tapEscape()
{
    StepInput down;
    down.keys = {SDL_SCANCODE_ESCAPE};
    steps(holdSteps, down);
    steps(holdSteps, StepInput{});
}

int ControllerDriver::aliveEntities() const
{
    int alive = 0;
    for (uint32_t entity = 1; entity < Engine::ECS::entityCapacity; ++entity)
        if (controller.world->isAlive(entity)) ++alive;
    return alive;
}

glm::ivec2 ControllerDriver::elementCentre(const std::string& name) const
{
    const auto found = controller.menu->guiElements.find(name);
    if (found == controller.menu->guiElements.end()) throw std::runtime_error("no element " + name);
    const auto& box = controller.world->getComponent<UI::Component::UITransformComponent>(found->second);
    return glm::ivec2(static_cast<int>(box.x + box.width / 2), static_cast<int>(box.y + box.height / 2));
}

} // namespace ControllerTest

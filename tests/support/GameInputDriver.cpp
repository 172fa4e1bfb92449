#include "tests/support/GameInputDriver.h"

#include "Engine/Core/EventQueue.h"
#include "Engine/Core/KeyboardState.h"
#include "Engine/Core/MouseState.h"
#include "Engine/Core/PadState.h"
#include "Engine/Core/StepInput.h"
#include "Engine/ECS/EntityManager.h"
#include "tests/support/GameTestWorld.h"
#include "Game/UI/Menu.h"
#include "Game/UI/UIComponents.h"

#include <GL/glew.h>
#include <SDL.h>

#include <unistd.h>

#include <filesystem>
#include <stdexcept>

namespace GameTesting {

namespace {
constexpr int holdSteps = 3;
constexpr float frameAlpha = 0.5f;
} // namespace

namespace {

std::string copyOfProfile()
{
    namespace fs = std::filesystem;
    const fs::path copy = fs::temp_directory_path() / ("game_test_profile_" + std::to_string(::getpid()));
    fs::remove_all(copy);
    fs::create_directories(copy);
    fs::copy_file(Engine::configFilePath, copy / "config.cfg");
    return copy.string();
}

} // namespace

GameInputDriver::GameInputDriver(int renderEvery)
    : profile(copyOfProfile()), controller(&engine, Game::ProfileFiles::in(profile)), renderEvery(renderEvery)
{
    if (!engine.init()) throw std::runtime_error("the engine could not start");
    engine.keyboard->platformState = platformKeys.data();
    engine.game = &controller;
    controller.init();
}

GameInputDriver::~GameInputDriver()
{
    std::filesystem::remove_all(profile);
    controller.shutdown();
    Engine::destroyWindow(*engine.window);
    SDL_Quit();
}

void GameInputDriver::step(const StepInput& input)
{
    platformKeys.fill(0);
    for (int key : input.keys) platformKeys[key] = 1;
    Engine::StepInput totals = keyDownsOf(platformKeys.data(), *engine.keyboard, input.pressOrder);
    engine.keyboard->refresh(totals.keyPresses);

    // Window coordinates grow downwards, so upward cursor motion is negative dy.
    const int height = controller.run().windowSize.y;
    totals.dx = input.cursor.x - lastCursor.x;
    totals.dy = lastCursor.y - input.cursor.y;
    totals.wheel = input.wheel;
    engine.mouse->refresh(totals, input.buttons, input.cursor.x, height - input.cursor.y, height);
    lastCursor = input.cursor;
    refreshPad();

    controller.update();
    if (++stepCount % renderEvery != 0) return;
    controller.render(frameAlpha);
    ++framesDrawn;
    while (glGetError() != GL_NO_ERROR) ++leftoverGLErrors;
}

// Only the controllers' plugging is taken from SDL's queue (the keyboard and
// mouse are made up), then the engine reads the controller in use.
void GameInputDriver::refreshPad()
{
    SDL_PumpEvents();
    Engine::StepInput plugging;
    Engine::EventQueue ignored;
    SDL_Event event;
    while (SDL_PeepEvents(&event, 1, SDL_GETEVENT, SDL_CONTROLLERDEVICEADDED, SDL_CONTROLLERDEVICEREMOVED) == 1)
        plugging.take(event, ignored);
    engine.refreshPad(plugging);
}

void GameInputDriver::steps(int count, const StepInput& input)
{
    for (int i = 0; i < count; ++i) step(input);
}

void GameInputDriver::clickAt(glm::ivec2 cursor, const std::set<int>& keys)
{
    steps(holdSteps, StepInput{keys, cursor, SDL_BUTTON_LMASK});
    steps(holdSteps, StepInput{keys, cursor});
}

void GameInputDriver::clickElement(const std::string& name)
{
    clickAt(elementCentre(name));
}

void GameInputDriver::tapEscape()
{
    tap(SDL_SCANCODE_ESCAPE);
}

void GameInputDriver::tap(int scancode)
{
    steps(holdSteps, StepInput{{scancode}, lastCursor});
    steps(holdSteps, StepInput{{}, lastCursor});
}

glm::ivec2 GameInputDriver::elementCentre(const std::string& name) const
{
    const Game::GameContext& game = controller.context();
    const auto found = game.menu->guiElements.find(name);
    if (found == game.menu->guiElements.end()) throw std::runtime_error("no menu element " + name);
    const auto& box = game.world->getComponent<UI::Component::UITransformComponent>(found->second);
    return glm::ivec2(static_cast<int>(box.x + box.width / 2), static_cast<int>(box.y + box.height / 2));
}

int GameInputDriver::aliveEntities() const
{
    int alive = 0;
    for (uint32_t entity = 1; entity < Engine::ECS::entityCapacity; ++entity)
        if (controller.context().world->isAlive(entity)) ++alive;
    return alive;
}

} // namespace GameTesting

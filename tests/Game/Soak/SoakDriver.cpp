#include "tests/Game/Soak/SoakDriver.h"

#include "Engine/Core/KeyboardState.h"
#include "Engine/Core/MouseState.h"
#include "Engine/Core/StepInput.h"
#include "Engine/ECS/EntityManager.h"

#include <GL/glew.h>
#include <SDL.h>
#include <unistd.h>

#include <algorithm>
#include <fstream>
#include <stdexcept>

namespace Soak {

namespace {

constexpr float frameAlpha = 0.5f;

} // namespace

SoakDriver::SoakDriver(int renderEvery) : controller(&engine), renderEvery(renderEvery)
{
    if (!engine.init()) throw std::runtime_error("the engine could not start");
    engine.game = &controller;
    controller.init();
}

SoakDriver::~SoakDriver()
{
    controller.shutdown();
    Engine::destroyWindow(*engine.window);
    SDL_Quit();
}

void SoakDriver::writeInput(const UserInput& input)
{
    Engine::KeyboardState& keyboard = *engine.keyboard;
    keyboard.previous = keyboard.current;
    std::fill(keyboard.current.begin(), keyboard.current.end(), 0);
    for (int key : input.keys) keyboard.current[key] = 1;

    // Window coordinates grow downwards, so upward cursor motion is negative dy.
    const int height = controller.windowSettings.resolutionHeight;
    Engine::StepInput totals;
    totals.dx = input.cursor.x - lastCursor.x;
    totals.dy = lastCursor.y - input.cursor.y;
    totals.wheel = input.wheel;
    engine.mouse->refresh(totals, input.buttons, input.cursor.x, height - input.cursor.y, height);
    lastCursor = input.cursor;
}

void SoakDriver::drawFrame()
{
    controller.render(frameAlpha);
    ++framesDrawn;
    while (glGetError() != GL_NO_ERROR) ++leftoverGLErrors;
}

void SoakDriver::step(const UserInput& input)
{
    writeInput(input);
    controller.update();
    if (++stepCount % renderEvery == 0) drawFrame();
}

int SoakDriver::aliveEntities() const
{
    int alive = 0;
    for (uint32_t entity = 1; entity < Engine::ECS::entityCapacity; ++entity)
        if (controller.world->isAlive(entity)) ++alive;
    return alive;
}

uint64_t residentBytes()
{
    std::ifstream statm("/proc/self/statm");
    uint64_t totalPages = 0;
    uint64_t residentPages = 0;
    statm >> totalPages >> residentPages;
    return residentPages * static_cast<uint64_t>(sysconf(_SC_PAGESIZE));
}

} // namespace Soak

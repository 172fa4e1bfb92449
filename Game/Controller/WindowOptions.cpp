#include "Game/Controller/WindowOptions.h"

#include <GL/glew.h>
#include <SDL.h>

#include <string>

#include "Engine/Core/GameEngine.h"
#include "Engine/Base/Log.h"
#include "Engine/ECS/EntityManager.h"
#include "Game/Audio/AudioOutput.h"
#include "Game/Resources/GameContext.h"
#include "Game/Resources/GameRun.h"
#include "Game/UI/MenuController.h"
#include "Game/Resources/GameResources.h"
#include "Engine/Graphics/Sampler.h"
#include "Game/Scene/CameraComponent.h"
#include "Game/Scene/CameraModificationMouseMovementSystem.h"

namespace Game {

namespace {

std::string sizeText(glm::ivec2 size)
{
    return std::to_string(size.x) + " x " + std::to_string(size.y);
}

// The projection follows the window's shape; the view stays where it is.
void refit(Camera& camera, glm::vec2 size)
{
    if (camera.fov > 0.0f) camera.setPerspective(camera.fov, size.x, size.y, camera.near, camera.far);
}

} // namespace

std::vector<glm::ivec2> WindowOptions::screenModes() const
{
    std::vector<glm::ivec2> modes;
    const int display = displayIndex();
    const int count = SDL_GetNumDisplayModes(display);
    for (int i = 0; i < count; ++i) {
        SDL_DisplayMode mode;
        if (SDL_GetDisplayMode(display, i, &mode) == 0) modes.emplace_back(mode.w, mode.h);
    }
    return modes;
}

glm::ivec2 WindowOptions::screenSize() const
{
    SDL_DisplayMode mode;
    if (SDL_GetDesktopDisplayMode(displayIndex(), &mode) != 0) return glm::ivec2(0);
    return glm::ivec2(mode.w, mode.h);
}

float WindowOptions::largestAnisotropy() const
{
    return Engine::GFX::maxAnisotropy();
}

Engine::Status WindowOptions::resize(glm::ivec2 size)
{
    SDL_Window* window = game.engine->window->window;
    const glm::ivec2 old = windowSize();
    SDL_SetWindowSize(window, size.x, size.y);
    Engine::Status status = Engine::Status::success();
    if (windowSize() == size) {
        SDL_SetWindowPosition(window, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED);
    } else {
        SDL_SetWindowSize(window, old.x, old.y);
        status = Engine::Status::failure("WINDOW SIZE REFUSED: " + sizeText(size) + ", keeping " + sizeText(windowSize()));
        Engine::logError(status.message());
    }
    applyWindowSize(drawableSize(*game.engine));
    return status;
}

Engine::Status WindowOptions::setFullscreen(bool fullscreen)
{
    if (SDL_SetWindowFullscreen(game.engine->window->window, fullscreen ? SDL_WINDOW_FULLSCREEN : 0) != 0) {
        const Engine::Status refused = Engine::Status::failure(std::string("FULLSCREEN REFUSED: ") + SDL_GetError());
        Engine::logError(refused.message());
        return refused;
    }
    applyWindowSize(drawableSize(*game.engine));
    return Engine::Status::success();
}

void WindowOptions::setSwapInterval(int32_t interval)
{
    game.engine->window->handle->swapInterval = interval;
    SDL_GL_SetSwapInterval(interval);
}

void WindowOptions::setAnisotropy(float anisotropy)
{
    game.resources->applyAnisotropy(anisotropy);
}

void WindowOptions::setRenderScale(float scale)
{
    game.resources->setRenderScale(scale);
}

void WindowOptions::setMouseSpeed(float speed)
{
    game.world->getSystem<CameraModificationMouseMovementSystem>().mouseSpeed = speed;
}

void WindowOptions::setVolume(int32_t percent)
{
    game.audio->setVolume(percent);
}

glm::ivec2 WindowOptions::windowSize() const
{
    glm::ivec2 size(0);
    SDL_GetWindowSize(game.engine->window->window, &size.x, &size.y);
    return size;
}

int WindowOptions::displayIndex() const
{
    const int display = SDL_GetWindowDisplayIndex(game.engine->window->window);
    return display < 0 ? 0 : display;
}

glm::ivec2 WindowOptions::drawableSize(const Engine::GameEngine& engine)
{
    glm::ivec2 size(0);
    SDL_GL_GetDrawableSize(engine.window->window, &size.x, &size.y);
    return size;
}

void WindowOptions::applyWindowSize(glm::ivec2 size)
{
    if (size == run.windowSize || size.x <= 0 || size.y <= 0) return;
    run.windowSize = size;
    game.resources->resizeTargets(size.x, size.y);
    glViewport(0, 0, size.x, size.y);
    refitCameras(glm::vec2(size));
    game.menuController->relayout();
}

void WindowOptions::refitCameras(glm::vec2 size)
{
    for (uint32_t entity : {run.cameras.menuCamera, run.cameras.player, run.cameras.editorCamera}) {
        if (!game.world->hasComponent<CameraComponent>(entity)) continue;
        CameraComponent& component = game.world->getComponent<CameraComponent>(entity);
        for (Camera* camera : {&component.camera, &component.previousCamera, &component.initialCamera}) {
            refit(*camera, size);
        }
    }
}

} // namespace Game

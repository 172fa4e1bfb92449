#include "Game/Controller/WindowOptions.h"

#include <GL/glew.h>
#include <SDL.h>

#include <string>

#include "Engine/Core/GameEngine.h"
#include "Engine/Base/Log.h"
#include "Engine/ECS/EntityManager.h"
#include "Game/Audio/AudioOutput.h"
#include "Game/Controller/FrameRenderer.h"
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

bool WindowOptions::resize(glm::ivec2 size)
{
    SDL_Window* window = parts.engine->window->window;
    const glm::ivec2 old = windowSize();
    SDL_SetWindowSize(window, size.x, size.y);
    const bool taken = windowSize() == size;
    if (taken) {
        SDL_SetWindowPosition(window, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED);
    } else {
        SDL_SetWindowSize(window, old.x, old.y);
        Engine::log("WINDOW SIZE REFUSED: " + sizeText(size) + ", keeping " + sizeText(windowSize()));
    }
    fitFrameToWindow();
    return taken;
}

bool WindowOptions::setFullscreen(bool fullscreen)
{
    if (SDL_SetWindowFullscreen(parts.engine->window->window, fullscreen ? SDL_WINDOW_FULLSCREEN : 0) != 0) {
        Engine::log(std::string("FULLSCREEN REFUSED: ") + SDL_GetError());
        return false;
    }
    fitFrameToWindow();
    return true;
}

void WindowOptions::setSwapInterval(int32_t interval)
{
    parts.engine->window->handle->swapInterval = interval;
    SDL_GL_SetSwapInterval(interval);
}

void WindowOptions::setAnisotropy(float anisotropy)
{
    parts.resources->applyAnisotropy(anisotropy);
}

void WindowOptions::setRenderScale(float scale)
{
    parts.resources->setRenderScale(scale);
}

void WindowOptions::setMouseSpeed(float speed)
{
    parts.world->getSystem<CameraModificationMouseMovementSystem>().mouseSpeed = speed;
}

void WindowOptions::setVolume(int32_t percent)
{
    parts.audio->setVolume(percent);
}

glm::ivec2 WindowOptions::windowSize() const
{
    glm::ivec2 size(0);
    SDL_GetWindowSize(parts.engine->window->window, &size.x, &size.y);
    return size;
}

int WindowOptions::displayIndex() const
{
    const int display = SDL_GetWindowDisplayIndex(parts.engine->window->window);
    return display < 0 ? 0 : display;
}

void WindowOptions::fitFrameToWindow()
{
    const glm::ivec2 size = windowSize();
    if (size == parts.frameSize || size.x <= 0 || size.y <= 0) return;
    parts.frameSize = size;
    parts.resources->resizeTargets(size.x, size.y);
    parts.frameRenderer->setSize(static_cast<float>(size.x), static_cast<float>(size.y));
    glViewport(0, 0, size.x, size.y);
    refitCameras(glm::vec2(size));
}

void WindowOptions::refitCameras(glm::vec2 size)
{
    for (uint32_t entity : {parts.cameras.menuCamera, parts.cameras.player, parts.cameras.editorCamera}) {
        if (!parts.world->hasComponent<CameraComponent>(entity)) continue;
        CameraComponent& component = parts.world->getComponent<CameraComponent>(entity);
        for (Camera* camera : {&component.camera, &component.previousCamera, &component.initialCamera}) {
            refit(*camera, size);
        }
    }
}

} // namespace Game

#pragma once

#include <cstdint>
#include <vector>

#include <glm/glm.hpp>

#include "Game/UI/OptionTable.h"

namespace Engine {
class GameEngine;
}

namespace Game {

struct GameContext;
struct GameRun;

// The Options menu's settings applied through SDL and GL, and the one
// resize of the frame: whatever changes the window's size (start-up, the
// resolution row, fullscreen, the window system or the user), the render
// targets, the viewport, the cameras, the menus and the editor's picking
// follow it through applyWindowSize.
class WindowOptions final : public UI::OptionsTarget {
public:
    WindowOptions(const GameContext& game, GameRun& run) : game(game), run(run) {}

    std::vector<glm::ivec2> screenModes() const override;
    glm::ivec2 screenSize() const override;
    float largestAnisotropy() const override;

    Engine::Status resize(glm::ivec2 size) override;
    Engine::Status setFullscreen(bool fullscreen) override;
    void setSwapInterval(int32_t interval) override;
    void setAnisotropy(float anisotropy) override;
    void setRenderScale(float scale) override;
    void setMouseSpeed(float speed) override;
    void setVolume(int32_t percent) override;

    // Rebuilds every render target at the size, sets the viewport, refits
    // the cameras' projections, records the size in the run (the editor's
    // picking reads it there) and lays the menus out again. A size that is
    // already the run's, or empty, changes nothing.
    void applyWindowSize(glm::ivec2 size);

    // The size GL draws into (SDL_GL_GetDrawableSize).
    static glm::ivec2 drawableSize(const Engine::GameEngine& engine);

private:
    glm::ivec2 windowSize() const;
    int displayIndex() const;
    void refitCameras(glm::vec2 size);

    const GameContext& game;
    GameRun& run;
};

} // namespace Game

#pragma once

#include <cstdint>
#include <vector>

#include <glm/glm.hpp>

#include "Game/Controller/ActiveCamera.h"
#include "Game/UI/DisplayOptions.h"

namespace Engine {
class GameEngine;
}

namespace Engine::ECS {
class EntityManager;
}

namespace Audio {
class AudioOutput;
}

namespace Game {

class FrameRenderer;
class GameResources;

// What a change of the window reaches: the frame's targets and size, and
// the cameras whose projections follow the window's shape.
struct WindowOptionsParts {
    Engine::GameEngine* engine = nullptr;
    GameResources* resources = nullptr;
    FrameRenderer* frameRenderer = nullptr;
    Engine::ECS::EntityManager* world = nullptr;
    CameraEntities cameras;
    Audio::AudioOutput* audio = nullptr;
    glm::ivec2 frameSize{0, 0}; // the size the frame's targets were made with
};

// The Options menu's settings applied through SDL and GL. Whenever the
// window ends up with another size, every render target is made again at
// that size.
class WindowOptions final : public UI::OptionsTarget {
public:
    explicit WindowOptions(const WindowOptionsParts& parts) : parts(parts) {}

    std::vector<glm::ivec2> screenModes() const override;
    glm::ivec2 screenSize() const override;
    float largestAnisotropy() const override;

    bool resize(glm::ivec2 size) override;
    bool setFullscreen(bool fullscreen) override;
    void setSwapInterval(int32_t interval) override;
    void setAnisotropy(float anisotropy) override;
    void setRenderScale(float scale) override;
    void setMouseSpeed(float speed) override;
    void setVolume(int32_t percent) override;

    glm::ivec2 frameSize() const { return parts.frameSize; }

private:
    glm::ivec2 windowSize() const;
    int displayIndex() const;
    void fitFrameToWindow();
    void refitCameras(glm::vec2 size);

    WindowOptionsParts parts;
};

} // namespace Game

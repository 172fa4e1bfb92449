#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include <glm/glm.hpp>

#include "Engine/Core/GameEngine.h"
#include "Engine/ECS/EntityManager.h"
#include "Engine/Graphics/MatrixState.h"
#include "Engine/Graphics/Texture2D.h"
#include "Game/Resources/GameResources.h"
#include "Engine/Graphics/RenderTarget.h"
#include "Game/UI/UIComponents.h"
#include "Game/UI/UiLayer.h"
#include "tests/support/GLTestContext.h"

namespace UiTesting {

using Rgba = glm::u8vec4;

// The game's resource set, loaded once per process from the run folder.
Game::GameResources& sharedResources();

// A 1 x 1 texture of one colour.
std::unique_ptr<Engine::GFX::Texture2D> makeSolidTexture(Rgba colour);

// A world with the interface set up as the game does it, an engine record
// with a mouse and a matrix state, and the shared resource set.
class UiWorldTest : public GLTesting::GLTest {
protected:
    static constexpr int32_t windowHeight = 720;

    void SetUp() override;

    // One update step's mouse: GL window position and the left button.
    void mouseStep(int32_t glX, int32_t glY, bool leftHeld);
    // An element with a transform and a click behaviour (solid looks).
    uint32_t makeClickable(const UI::Component::UITransformComponent& transform, std::function<void()> callback);

    Engine::GameEngine engine;
    MatrixState matrices{nullptr};
    Game::GameResources* resources = nullptr;
    std::unique_ptr<Engine::ECS::EntityManager> world;
    std::unique_ptr<UI::UiLayer> interfaceLayer;
    std::unique_ptr<Engine::GFX::Texture2D> hoverLook;
    std::unique_ptr<Engine::GFX::Texture2D> pressedLook;
};

// An off-screen RGBA8 target with the 2D camera of its size in the matrix state.
class OverlayTarget {
public:
    OverlayTarget(MatrixState& matrices, uint32_t width, uint32_t height);
    ~OverlayTarget();

    Rgba pixel(uint32_t x, uint32_t y) const;
    std::vector<Rgba> pixels() const;

    Game::RenderTarget target;
};

} // namespace UiTesting

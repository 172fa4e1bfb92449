#include "tests/Game/UI/UiGLFixture.h"

#include <GL/glew.h>

#include "Engine/Core/MouseState.h"
#include "Engine/Core/StepInput.h"
#include "Game/Resources/ResourceCameras.h"

#include <SDL_mouse.h>

namespace UiTesting {

Game::GameResources& sharedResources()
{
    GLTesting::ensureContext();
    static const std::unique_ptr<Game::GameResources> resources = [] {
        testing::internal::CaptureStdout();
        auto loaded = std::make_unique<Game::GameResources>(1280, 720);
        testing::internal::GetCapturedStdout();
        return loaded;
    }();
    return *resources;
}

std::unique_ptr<Engine::GFX::Texture2D> makeSolidTexture(Rgba colour)
{
    auto texture = std::make_unique<Engine::GFX::Texture2D>();
    texture->width = 1;
    texture->height = 1;
    glBindTexture(GL_TEXTURE_2D, texture->name);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, 1, 1, 0, GL_RGBA, GL_UNSIGNED_BYTE, &colour);
    glBindTexture(GL_TEXTURE_2D, 0);
    return texture;
}

void UiWorldTest::SetUp()
{
    GLTest::SetUp();
    resources = &sharedResources();
    engine.mouse = std::make_unique<Engine::MouseState>(nullptr);
    engine.matrixState = &matrices;
    world = std::make_unique<Engine::ECS::EntityManager>(&engine);
    interfaceLayer = std::make_unique<UI::UiLayer>(&engine, world.get(), resources);
    hoverLook = makeSolidTexture(Rgba(0, 0, 255, 255));
    pressedLook = makeSolidTexture(Rgba(255, 255, 0, 255));
}

void UiWorldTest::mouseStep(int32_t glX, int32_t glY, bool leftHeld)
{
    const uint32_t buttons = leftHeld ? SDL_BUTTON_LMASK : 0u;
    engine.mouse->refresh(Engine::StepInput{}, buttons, glX, windowHeight - glY, windowHeight);
}

uint32_t UiWorldTest::makeClickable(const UI::Component::UITransformComponent& transform,
                                    std::function<void()> callback)
{
    const uint32_t entity = world->createEntity();
    world->addComponent(entity, transform);
    world->addComponent(entity, UI::Component::UIclickableComponent(std::move(callback), hoverLook.get(),
                                                                     pressedLook.get()));
    return entity;
}

OverlayTarget::OverlayTarget(MatrixState& matrices, uint32_t width, uint32_t height)
    : target(width, height, 1, Game::DepthStorage::None)
{
    const Camera camera = Game::makeUiCamera(static_cast<float>(width), static_cast<float>(height));
    matrices.view = camera.view;
    matrices.projection = camera.projection;
    glBindFramebuffer(GL_FRAMEBUFFER, target.framebuffer.name);
    glViewport(0, 0, static_cast<GLsizei>(width), static_cast<GLsizei>(height));
    glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_CULL_FACE);
}

OverlayTarget::~OverlayTarget()
{
    glBindFramebuffer(GL_FRAMEBUFFER, 0);
}

std::vector<Rgba> OverlayTarget::pixels() const
{
    const uint32_t width = target.framebuffer.width;
    const uint32_t height = target.framebuffer.height;
    std::vector<Rgba> result(static_cast<size_t>(width) * height);
    glBindFramebuffer(GL_READ_FRAMEBUFFER, target.framebuffer.name);
    glReadBuffer(GL_COLOR_ATTACHMENT0);
    glReadPixels(0, 0, static_cast<GLsizei>(width), static_cast<GLsizei>(height), GL_RGBA, GL_UNSIGNED_BYTE,
                 result.data());
    return result;
}

Rgba OverlayTarget::pixel(uint32_t x, uint32_t y) const
{
    return pixels()[static_cast<size_t>(y) * target.framebuffer.width + x];
}

} // namespace UiTesting

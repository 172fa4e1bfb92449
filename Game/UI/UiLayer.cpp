#include "Game/UI/UiLayer.h"

#include "Engine/Base/Assert.h"
#include "Engine/Graphics/ModelFromBuilder.h"
#include "Engine/Mesh/MeshBuilder.h"
#include "Game/UI/UIComponents.h"
#include "Game/UI/UIclickSystem.h"
#include "Game/UI/UITextFieldSystem.h"
#include "Game/UI/UiBackgroundDrawSystem.h"
#include "Game/UI/UiTextDrawSystem.h"

namespace UI {

using namespace Component;
using System::UIclickSystem;
using System::UITextFieldSystem;
using System::UiBackgroundDrawSystem;
using System::UiTextDrawSystem;

namespace {

std::shared_ptr<Engine::GFX::Mesh::Model3D> makeUnitQuad()
{
    Engine::GFX::Mesh::MeshBuilder builder;
    builder.addQuad(glm::vec2(0.0f), glm::vec2(1.0f), glm::vec4(1.0f), glm::vec2(1.0f));
    auto quad = std::make_shared<Engine::GFX::Mesh::Model3D>();
    Engine::GFX::Mesh::fillModel(*quad, builder);
    return quad;
}

} // namespace

UiLayer::UiLayer(Engine::GameEngine* engine, Engine::ECS::EntityManager* world, Game::GameResources* resources)
    : unitQuad(makeUnitQuad())
    , engine(engine)
    , resources(resources)
    , world(world)
{
    GAME_ASSERT(engine->matrixState != nullptr);
    GAME_ASSERT(engine->mouse != nullptr);
    GAME_ASSERT(engine->keyboard != nullptr);
    registerComponentTypes();
    registerSystems();
}

void UiLayer::registerComponentTypes()
{
    world->registerComponent<UITransformComponent>();
    world->registerComponent<UIBackgroundComponent>();
    world->registerComponent<UISpriteComponent>();
    world->registerComponent<UItextComponent>();
    world->registerComponent<UIclickableComponent>();
    world->registerComponent<UITextFieldComponent>();
}

// Registered in layer order, so the instance number of each draw system is its layer.
void UiLayer::registerSystems()
{
    MatrixState* matrices = engine->matrixState;
    for (uint32_t layer = 0; layer < layerCount; ++layer) {
        world->addSystem(
            UiBackgroundDrawSystem(world, matrices, layer, unitQuad, resources->shaderUiBackground.get()));
        world->addSystem(UiTextDrawSystem(world, matrices, layer, resources->shaderFontDefault.get()));
    }
    world->addSystem(UIclickSystem(world, engine->mouse.get()));
    world->addSystem(UITextFieldSystem(world, engine->keyboard.get()));
}

void UiLayer::updateClicks()
{
    world->getSystem<UIclickSystem>().run(0.0f);
}

void UiLayer::updateTextFields()
{
    world->getSystem<UITextFieldSystem>().run(0.0f);
}

void UiLayer::drawLayers()
{
    for (uint32_t layer = 0; layer < layerCount; ++layer) {
        world->getSystem<UiBackgroundDrawSystem>(layer).run(0.0f);
        world->getSystem<UiTextDrawSystem>(layer).run(0.0f);
    }
}

} // namespace UI

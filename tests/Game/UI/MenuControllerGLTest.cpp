#include <filesystem>
#include <memory>
#include <string>

#include "Engine/Core/MouseState.h"
#include "Game/Controller/GameState.h"
#include "Game/Physics/CharacterControllerComponent.h"
#include "Game/Physics/PhysicsWorld.h"
#include "Game/Scene/CameraControlComponents.h"
#include "Game/UI/InputSwitch.h"
#include "Game/UI/Menu.h"
#include "Game/UI/MenuController.h"
#include "tests/Game/UI/UiGLFixture.h"

namespace {

using Game::GameState;
using UI::Component::UIclickableComponent;
using UI::Component::UItextComponent;
using UI::Component::UITransformComponent;

// Records what the menus asked of a 1280 x 720 window; the test keeps a pointer to it.
struct RecordingPlatform final : UI::MenuPlatform {
    glm::ivec2 windowSize() const override { return glm::ivec2(1280, 720); }
    void setRelativeMouseMode(bool enabled) override { relativeMouse = enabled; }
    void centreMouse() override { ++centred; }

    bool relativeMouse = false;
    int centred = 0;
};

// A 1280 x 720 screen, 8x filtering at most, fullscreen refused.
struct FakeTarget final : UI::OptionsTarget {
    std::vector<glm::ivec2> screenModes() const override { return {}; }
    glm::ivec2 screenSize() const override { return glm::ivec2(1280, 720); }
    float largestAnisotropy() const override { return 8.0f; }
    bool resize(glm::ivec2) override { return true; }
    bool setFullscreen(bool) override { return false; }
    void setSwapInterval(int32_t) override {}
    void setAnisotropy(float) override {}
    void setMouseSpeed(float) override {}
};

class MenuControllerTest : public UiTesting::UiWorldTest {
protected:
    void SetUp() override
    {
        UiWorldTest::SetUp();
        physics = std::make_unique<PhysicsWorld>();
        world->registerComponent<CharacterControllerComponent>();
        world->registerComponent<CameraMouseMovementComponent>();
        world->registerComponent<FreeCamMovementComponent>();
        world->registerComponent<CameraMouseZoomMoveComponent>();
        player = world->createEntity();
        world->addComponent(player, CharacterControllerComponent(player, physics.get()));
        world->addComponent(player, CameraMouseMovementComponent(false));
        editorCamera = world->createEntity();
        world->addComponent(editorCamera, CameraMouseMovementComponent(false));
        world->addComponent(editorCamera, FreeCamMovementComponent(false));
        world->addComponent(editorCamera, CameraMouseZoomMoveComponent(false));
        menu = std::make_unique<UI::Menu>(world.get());
        auto platform = std::make_unique<RecordingPlatform>();
        window = platform.get();
        controller = std::make_unique<UI::MenuController>(&engine, world.get(), resources, menu.get(), &state, player,
                                                          editorCamera, 0u, std::move(platform));
        world->refresh();
    }

    // The character's capsule lives in the physics world: the world goes first.
    void TearDown() override
    {
        controller.reset();
        interfaceLayer.reset();
        world.reset();
        UiWorldTest::TearDown();
    }

    const UITransformComponent& placeOf(const std::string& name)
    {
        return world->getComponent<UITransformComponent>(menu->guiElements.at(name));
    }

    // A full click in the middle of the named element, as the update steps see it.
    void clickOn(const std::string& name)
    {
        const UITransformComponent where = placeOf(name);
        const glm::ivec2 centre(where.x + where.width / 2, where.y + where.height / 2);
        mouseStep(centre.x, centre.y, true);
        interfaceLayer->updateClicks();
        mouseStep(centre.x, centre.y, false);
        interfaceLayer->updateClicks();
        world->refresh();
    }

    bool playerInput() { return world->getComponent<CameraMouseMovementComponent>(player).enabled; }
    bool editorInput() { return world->getComponent<FreeCamMovementComponent>(editorCamera).enabled; }

    std::unique_ptr<PhysicsWorld> physics;
    uint32_t player = 0;
    uint32_t editorCamera = 0;
    GameState state;
    RecordingPlatform* window = nullptr;
    std::unique_ptr<UI::Menu> menu;
    std::unique_ptr<UI::MenuController> controller;
};

TEST_F(MenuControllerTest, MainMenuButtonsStepDownInRows)
{
    ASSERT_EQ(resources->buttonTexture->width, 256u);
    ASSERT_EQ(resources->buttonTexture->height, 64u);
    controller->showMainMenu();
    world->refresh();

    const char* names[] = {"Singleplayer", "Map-Editor", "Options", "GameEnd"};
    const float rows[] = {328.0f, 264.0f, 200.0f, 136.0f};
    for (int row = 0; row < 4; ++row) {
        const UITransformComponent& place = placeOf(names[row]);
        EXPECT_EQ(glm::vec4(place.x, place.y, place.width, place.height), glm::vec4(512.0f, rows[row], 256.0f, 64.0f))
            << names[row];
    }
    const uint32_t end = menu->guiElements.at("GameEnd");
    EXPECT_EQ(world->getComponent<UItextComponent>(end).text, "End Game");
    EXPECT_EQ(world->getComponent<UIclickableComponent>(end).backgroundPressed, resources->buttonPressedTexture.get());

    clickOn("GameEnd");
    EXPECT_TRUE(engine.quit);
}

// Each click moves its row's setting on and relabels it, in a centred column.
TEST_F(MenuControllerTest, OptionsRowsCycleTheirSettingsAndBackReturnsToTheMainMenu)
{
    const std::string profile = (std::filesystem::temp_directory_path() / "menu_options_test.cfg").string();
    FakeTarget target;
    UI::DisplayOptions options(Engine::WindowSettings{}, &target, profile);
    controller->options = &options;
    controller->showMainMenu();
    world->refresh();
    clickOn("Options");
    const char* rows[][2] = {{"Options_Resolution", "Resolution: 960 x 540"}, {"Options_Fullscreen", "Fullscreen: Off"},
                             {"Options_VSync", "VSync: On"}, {"Options_TextureFiltering", "Texture filtering: 1x"},
                             {"Options_MouseSpeed", "Mouse speed: 1.5"}, {"Options_Back", "Back"}};
    for (int row = 0; row < 5; ++row) clickOn(rows[row][0]);
    std::filesystem::remove(profile);
    for (int row = 0; row < 6; ++row) {
        const uint32_t element = menu->guiElements.at(rows[row][0]);
        EXPECT_EQ(world->getComponent<UItextComponent>(element).text, rows[row][1]);
        EXPECT_EQ(world->getComponent<UITransformComponent>(element).y, 488.0f - 64.0f * row) << rows[row][0];
    }
    clickOn("Options_Back");
    EXPECT_EQ(menu->count("Singleplayer"), 1u);
}

TEST_F(MenuControllerTest, SingleplayerButtonStartsTheGameWithAStillPlayer)
{
    CharacterControllerComponent& character = world->getComponent<CharacterControllerComponent>(player);
    character.velocity = glm::vec3(3.0f, -2.0f, 0.0f);
    character.controller->setWalkDirection(btVector3(3.0f, -2.0f, 0.0f));
    character.controller->setVerticalVelocity(-7.0f);
    controller->showMainMenu();
    world->refresh();
    clickOn("Singleplayer");

    EXPECT_EQ(state.mode, GameState::modeSingleplayer);
    EXPECT_FALSE(state.uiVisible);
    EXPECT_TRUE(window->relativeMouse);
    EXPECT_TRUE(engine.mouse->resetPending);
    EXPECT_TRUE(menu->guiElements.empty());
    EXPECT_TRUE(playerInput());
    EXPECT_TRUE(character.enabled);
    EXPECT_EQ(character.velocity, glm::vec3(0.0f));
    EXPECT_EQ(character.controller->getWalkDirection(), btVector3(0.0f, 0.0f, 0.0f));
    EXPECT_EQ(character.controller->getVerticalVelocity(), 0.0f);
}

TEST_F(MenuControllerTest, PauseResumeAndBackToMenuFromTheGame)
{
    controller->startGame();
    controller->pauseGame();
    world->refresh();
    EXPECT_TRUE(state.paused);
    EXPECT_TRUE(state.uiVisible);
    EXPECT_FALSE(window->relativeMouse);
    EXPECT_EQ(window->centred, 1);
    EXPECT_FALSE(playerInput());
    EXPECT_EQ(menu->guiElements.size(), 2u);
    EXPECT_FLOAT_EQ(placeOf("Resume_Game").y, 328.0f);
    EXPECT_FLOAT_EQ(placeOf("Back_to_menu").y, 264.0f);

    clickOn("Resume_Game");
    EXPECT_FALSE(state.paused);
    EXPECT_FALSE(state.uiVisible);
    EXPECT_TRUE(window->relativeMouse);
    EXPECT_TRUE(playerInput());
    EXPECT_TRUE(menu->guiElements.empty());

    controller->pauseGame();
    world->refresh();
    clickOn("Back_to_menu");
    EXPECT_EQ(state.mode, GameState::modeMainMenu);
    EXPECT_FALSE(state.paused);
    EXPECT_TRUE(state.uiVisible);
    EXPECT_FALSE(window->relativeMouse);
    EXPECT_FALSE(playerInput());
    EXPECT_EQ(menu->count("Singleplayer"), 1u);
    EXPECT_EQ(menu->guiElements.size(), 4u);
}

TEST_F(MenuControllerTest, EditorShowsTheToolBarItsPauseMenuHidesAloneAndBackToMenuRemovesTheBar)
{
    controller->showMainMenu();
    world->refresh();
    clickOn("Map-Editor");
    EXPECT_EQ(state.mode, GameState::modeMapEditor);
    EXPECT_TRUE(state.uiVisible);
    ASSERT_EQ(menu->guiElements.size(), 1u);
    const UITransformComponent& bar = placeOf("background");
    EXPECT_EQ(glm::vec4(bar.x, bar.y, bar.width, bar.height), glm::vec4(0.0f, 720.0f - 64.0f, 1280.0f, 64.0f));
    EXPECT_TRUE(editorInput());
    EXPECT_FALSE(window->relativeMouse);

    controller->showEditorPauseMenu();
    world->refresh();
    controller->hidePauseMenu();
    world->refresh();
    EXPECT_EQ(menu->count("Resume_Editor"), 0u);
    EXPECT_EQ(menu->count("Back_to_menu"), 0u);
    EXPECT_TRUE(world->isAlive(menu->guiElements.at("background")));

    UI::setEditorCameraInputEnabled(*world, editorCamera, false);
    state.paused = true;
    controller->showEditorPauseMenu();
    world->refresh();
    clickOn("Resume_Editor");
    EXPECT_FALSE(state.paused);
    EXPECT_TRUE(editorInput());
    EXPECT_EQ(menu->count("background"), 1u);
    EXPECT_EQ(menu->count("Back_to_menu"), 0u);

    state.paused = true;
    controller->showEditorPauseMenu();
    world->refresh();
    const uint32_t barEntity = menu->guiElements.at("background");
    clickOn("Back_to_menu");
    EXPECT_EQ(state.mode, GameState::modeMainMenu);
    EXPECT_FALSE(state.paused);
    EXPECT_FALSE(editorInput());
    EXPECT_FALSE(playerInput());
    EXPECT_FALSE(world->isAlive(barEntity));
    EXPECT_EQ(menu->guiElements.size(), 4u);
}

} // namespace

// The whole game in a real window, in the run folder, driven through every
// mode with made-up input as a player would.
#include "Engine/ECS/EntityManager.h"
#include "Engine/Font/TextMesh.h"
#include "Game/Resources/ResourceCameras.h"
#include "Game/Editor/EditorState.h"
#include "Game/Level/GameMap.h"
#include "Game/Physics/CharacterControllerComponent.h"
#include "Game/Resources/GameResources.h"
#include "Game/Scene/CameraComponent.h"
#include "Game/Scene/MeshComponent.h"
#include "Game/Scene/TransformComponent.h"
#include "Game/UI/Menu.h"
#include "Game/UI/UIComponents.h"
#include "tests/support/GameInputDriver.h"

#include <GL/glew.h>
#include <SDL.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <iostream>
#include <memory>

using GameTesting::GameInputDriver;
using GameTesting::StepInput;
using Game::GameState;
using Names = std::vector<std::string>;

namespace {

const Names mainMenu = {"GameEnd", "Map-Editor", "Options", "Singleplayer"};

} // namespace

// One game per test. Standard output and error are captured from before the
// game starts; nothing may reach standard error (GL errors are reported there).
class GameControllerGL : public testing::Test {
protected:
    void SetUp() override
    {
        testing::internal::CaptureStdout();
        testing::internal::CaptureStderr();
        driver = std::make_unique<GameInputDriver>();
    }

    void TearDown() override
    {
        if (capturing) finishCapture();
        EXPECT_EQ(errors, "") << "GL errors or other complaints on standard error";
        EXPECT_EQ(driver->leftoverGLErrors, 0);
    }

    void finishCapture()
    {
        std::fflush(stdout);
        std::cout.flush();
        output = testing::internal::GetCapturedStdout();
        errors = testing::internal::GetCapturedStderr();
        capturing = false;
    }

    Names menuNames() const
    {
        Names names;
        for (const auto& element : game().menu->guiElements) names.push_back(element.first);
        return names;
    }
    Game::GameController& controller() const { return driver->controller; }
    const Game::GameContext& game() const { return driver->controller.context(); }
    const Game::GameRun& run() const { return driver->controller.run(); }
    const GameState& state() const { return driver->state(); }
    uint32_t player() const { return run().cameras.player; }
    glm::vec3 playerPosition() const { return game().world->getComponent<TransformComponent>(player()).position; }
    bool playerSteers() const { return game().world->getComponent<CharacterControllerComponent>(player()).enabled; }

    // Draws a frame and checks the state it leaves GL in.
    void renderCleanly(const std::string& what)
    {
        SCOPED_TRACE(what);
        controller().render(0.25f);
        EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
        EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST));
        EXPECT_FALSE(glIsEnabled(GL_BLEND));
        GLint framebuffer = -1;
        glGetIntegerv(GL_FRAMEBUFFER_BINDING, &framebuffer);
        EXPECT_EQ(framebuffer, 0);
    }

    // Every target, the viewport, the 2D camera, the player's projection and
    // the menu's centre follow the window's drawable size.
    void expectFrameAt(glm::ivec2 size, const std::string& centred)
    {
        SCOPED_TRACE(testing::Message() << size.x << " x " << size.y);
        EXPECT_EQ(run().windowSize, size);
        const Game::GameResources& r = *game().resources;
        const Engine::GFX::Texture2D* depth = r.sceneFBO->depthTexture.get();
        for (const Engine::GFX::Texture2D* target :
             {&r.sceneFBO->colour(0), &r.sceneFBO->colour(1), depth, &r.edgeFBO->colour(0), &r.pickingFBO->colour(0)}) {
            EXPECT_EQ(glm::ivec2(target->width, target->height), size);
        }
        const glm::vec2 sizeF(size);
        EXPECT_EQ(r.uiCamera.projection, Game::makeUiCamera(sizeF.x, sizeF.y).projection);
        EXPECT_EQ(game().world->getComponent<CameraComponent>(player()).camera.projection,
                  Game::makeDefaultCamera(sizeF.x, sizeF.y).projection);
        GLint viewport[4] = {};
        glGetIntegerv(GL_VIEWPORT, viewport);
        EXPECT_EQ(glm::ivec2(viewport[2], viewport[3]), size);
        EXPECT_NEAR(driver->elementCentre(centred).x, size.x / 2, 1) << centred << " is centred";
    }

    std::unique_ptr<GameInputDriver> driver;
    bool capturing = true;
    std::string output;
    std::string errors;
};

TEST_F(GameControllerGL, EveryModesFrameIsDrawnWithoutGLErrorsAndLeavesTheGLStateAsFound)
{
    EXPECT_EQ(menuNames(), mainMenu);
    EXPECT_EQ(state().mode, GameState::modeMainMenu);
    driver->steps(2);
    EXPECT_NE(run().map.mergedModel, nullptr) << "the level is merged once the world is built";
    renderCleanly("main menu");
    for (const char* mode : {"Singleplayer", "Map-Editor"}) {
        driver->clickElement(mode);
        renderCleanly(mode);
        driver->tapEscape();
        ASSERT_TRUE(state().paused) << mode;
        renderCleanly(std::string(mode) + " paused");
        driver->clickElement("Back_to_menu");
    }
    EXPECT_EQ(state().mode, GameState::modeMainMenu);
}

// The Options resolution row and a size the window system imposes take the
// same way: targets, viewport, cameras and menus follow, and every mode
// still draws without a GL error.
TEST_F(GameControllerGL, ResizingFromTheOptionsOrFromOutsideRebuildsTheFrameAtTheDrawableSize)
{
    driver->clickElement("Options");
    driver->clickElement("Options_Resolution");
    SDL_Window* window = driver->engine.window->window;
    glm::ivec2 drawable(0);
    SDL_GL_GetDrawableSize(window, &drawable.x, &drawable.y);
    EXPECT_NE(drawable, glm::ivec2(1280, 720)) << "the row moves the window to the next size";
    expectFrameAt(drawable, "Options_Back");
    EXPECT_EQ(glm::ivec2(run().settings.resolutionWidth, run().settings.resolutionHeight), drawable);

    driver->clickElement("Options_Back");
    SDL_SetWindowSize(window, 800, 600);
    SDL_GL_GetDrawableSize(window, &drawable.x, &drawable.y);
    controller().windowResized(drawable.x, drawable.y);
    driver->steps(1);
    expectFrameAt(glm::ivec2(800, 600), "Singleplayer");
    driver->clickElement("Map-Editor");
    renderCleanly("editor at 800 x 600");
    const uint32_t bar = game().menu->guiElements.at("background");
    EXPECT_EQ(game().world->getComponent<UI::Component::UITransformComponent>(bar).width, 800.0f) << "the bar spans the window";
}

TEST_F(GameControllerGL, SingleplayerWalksPausesResumesAndGoesBackToTheMenuLeavingNoEntities)
{
    driver->steps(200);
    const int menuEntities = driver->aliveEntities();
    driver->clickElement("Singleplayer");
    ASSERT_EQ(state().mode, GameState::modeSingleplayer);
    EXPECT_FALSE(state().uiVisible);
    driver->steps(10);
    EXPECT_EQ(driver->aliveEntities(), menuEntities - 4) << "the four menu buttons are gone";

    const glm::vec3 start = playerPosition();
    driver->steps(100, StepInput{{SDL_SCANCODE_W}});
    EXPECT_GT(glm::length(glm::vec2(playerPosition() - start)), 1.0f) << "W walks";
    EXPECT_NE(game().resources->speedText->text, "Speed: 0 km/h");

    driver->tapEscape();
    EXPECT_TRUE(state().paused);
    EXPECT_EQ(menuNames(), (Names{"Back_to_menu", "Resume_Game"}));
    EXPECT_FALSE(playerSteers());
    driver->steps(30);
    const glm::vec3 pausedAt = playerPosition();
    driver->steps(50, StepInput{{SDL_SCANCODE_W}});
    EXPECT_EQ(playerPosition(), pausedAt) << "the paused player does not walk";

    driver->clickElement("Resume_Game");
    EXPECT_FALSE(state().paused);
    driver->steps(10);
    EXPECT_TRUE(game().menu->guiElements.empty());
    EXPECT_TRUE(playerSteers());

    driver->tapEscape();
    driver->tapEscape();
    EXPECT_FALSE(state().paused) << "a second Escape resumes";
    driver->tapEscape();
    driver->clickElement("Back_to_menu");
    driver->steps(10);
    EXPECT_EQ(state().mode, GameState::modeMainMenu);
    EXPECT_FALSE(state().paused);
    EXPECT_TRUE(state().uiVisible);
    EXPECT_EQ(menuNames(), mainMenu);
    EXPECT_EQ(driver->aliveEntities(), menuEntities);
}

TEST_F(GameControllerGL, TheEditorSelectsABlockUnderAClickPausesResumesAndGoesBackToTheMenu)
{
    driver->steps(10);
    const int menuEntities = driver->aliveEntities();
    driver->clickElement("Map-Editor");
    ASSERT_EQ(state().mode, GameState::modeMapEditor);
    const Names editorBar{"background",        "editor_tool_create", "editor_tool_rotate",
                          "editor_tool_scale", "editor_tool_text",   "editor_tool_translate"};
    EXPECT_EQ(menuNames(), editorBar);
    driver->steps(10);

    const Game::EditorState& editor = *run().editor;
    for (int y = 100; y < 600 && editor.selection.empty(); y += 50)
        for (int x = 40; x < 1280 && editor.selection.empty(); x += 80) driver->clickAt(glm::ivec2(x, y));
    ASSERT_EQ(editor.selection.size(), 1u) << "no click hit a block";
    const auto [selected, overlay] = *editor.selection.begin();
    const auto& blocks = run().map.blocks;
    EXPECT_NE(std::find(blocks.begin(), blocks.end(), selected), blocks.end());
    EXPECT_EQ(game().world->getComponent<MeshComponent>(overlay).renderGroup, MeshComponent::selectedGroup);
    EXPECT_EQ(driver->aliveEntities(), menuEntities - 4 + 6 + 1) << "bar and overlay instead of the buttons";

    driver->tapEscape();
    EXPECT_TRUE(state().paused);
    Names paused{"Back_to_menu", "Resume_Editor"};
    paused.insert(paused.end(), editorBar.begin(), editorBar.end());
    EXPECT_EQ(menuNames(), paused);
    driver->clickElement("Resume_Editor");
    EXPECT_FALSE(state().paused);
    EXPECT_EQ(menuNames(), editorBar);
    driver->tapEscape();
    driver->clickElement("Back_to_menu");
    driver->steps(10);
    EXPECT_EQ(state().mode, GameState::modeMainMenu);
    EXPECT_FALSE(state().paused);
    EXPECT_EQ(menuNames(), mainMenu);
    EXPECT_EQ(driver->aliveEntities(), menuEntities + 1) << "only the selection's overlay outlives the editor";
}

TEST_F(GameControllerGL, EscapeInTheMainMenuDoesNothingAndEndGameOnlyAsksToQuit)
{
    driver->steps(10);
    driver->tapEscape();
    EXPECT_FALSE(state().paused);
    EXPECT_EQ(menuNames(), mainMenu);
    driver->clickElement("GameEnd");
    EXPECT_TRUE(driver->engine.quit);
    EXPECT_EQ(state().mode, GameState::modeMainMenu);
}

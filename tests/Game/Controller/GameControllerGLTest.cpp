// The whole game in a real window, in the run folder, driven through every
// mode with made-up input as a player would.
#include "Engine/Core/PadState.h"
#include "Engine/ECS/EntityManager.h"
#include "Game/Physics/CustomCharacterController.h"
#include "Engine/Font/TextMesh.h"
#include "Game/Resources/ResourceCameras.h"
#include "Game/Controller/WindowOptions.h"
#include "Game/Editor/EditorState.h"
#include "Game/Level/GameMap.h"
#include "Game/Physics/CharacterControllerComponent.h"
#include "Game/Resources/GameResources.h"
#include "Game/Scene/CameraComponent.h"
#include "Game/Scene/MeshComponent.h"
#include "Game/Scene/TransformComponent.h"
#include "Game/UI/Menu.h"
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
    Game::GameController& game() const { return driver->controller; }
    GameState& state() const { return driver->state(); }
    glm::vec3 playerPosition() const { return game().world->getComponent<TransformComponent>(game().playerEntity).position; }
    bool playerSteers() const { return game().world->getComponent<CharacterControllerComponent>(game().playerEntity).enabled; }

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
    EXPECT_NE(game().gameMap->mergedModel, nullptr) << "the level is merged once the world is built";

    for (uint32_t mode : {GameState::modeMainMenu, GameState::modeSingleplayer, GameState::modeMapEditor}) {
        SCOPED_TRACE(testing::Message() << "mode " << mode);
        for (bool paused : {false, true}) {
            state().mode = mode;
            state().paused = paused;
            game().render(0.25f);
            EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
            EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST));
            EXPECT_FALSE(glIsEnabled(GL_BLEND));
            GLint framebuffer = -1;
            glGetIntegerv(GL_FRAMEBUFFER_BINDING, &framebuffer);
            EXPECT_EQ(framebuffer, 0);
        }
    }
    state().mode = GameState::modeMainMenu;
    state().paused = false;
}

// A new window size reaches every render target, the viewport and the
// cameras, and every mode still draws without a GL error.
TEST_F(GameControllerGL, ResizeRebuildsTheFrameTargetsAtTheNewSizeAndFramesStillDraw)
{
    ASSERT_TRUE(game().windowOptions->resize(glm::ivec2(960, 540)));
    const Game::GameResources& r = *game().resources;
    const Engine::GFX::Texture2D* depth = r.sceneFBO->depthTexture.get();
    for (const Engine::GFX::Texture2D* target :
         {&r.sceneFBO->colour(0), &r.sceneFBO->colour(1), depth, &r.edgeFBO->colour(0), &r.pickingFBO->colour(0)}) {
        EXPECT_EQ(glm::uvec2(target->width, target->height), glm::uvec2(960, 540));
    }
    EXPECT_EQ(r.uiCamera.projection, Game::makeUiCamera(960.0f, 540.0f).projection);
    EXPECT_EQ(game().world->getComponent<CameraComponent>(game().playerEntity).camera.projection,
              Game::makeDefaultCamera(960.0f, 540.0f).projection);
    for (uint32_t mode : {GameState::modeMainMenu, GameState::modeSingleplayer, GameState::modeMapEditor}) {
        state().mode = mode;
        game().render(0.5f);
        EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR)) << "mode " << mode;
    }
    GLint viewport[4] = {};
    glGetIntegerv(GL_VIEWPORT, viewport);
    EXPECT_EQ(glm::ivec2(viewport[2], viewport[3]), glm::ivec2(960, 540));
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

// A virtual game controller plugged in while the game runs, read through the
// engine's input refresh: the left stick walks and A jumps.
TEST_F(GameControllerGL, AVirtualPadPluggedInWhileRunningWalksAndJumpsThePlayer)
{
    driver->steps(20);
    EXPECT_FALSE(driver->engine.pad->connected);
    const int device = SDL_JoystickAttachVirtual(SDL_JOYSTICK_TYPE_GAMECONTROLLER, SDL_CONTROLLER_AXIS_MAX,
                                                 SDL_CONTROLLER_BUTTON_MAX, 0);
    ASSERT_GE(device, 0) << SDL_GetError();
    SDL_Joystick* pad = SDL_JoystickOpen(device);
    ASSERT_NE(pad, nullptr) << SDL_GetError();
    driver->steps(2);
    EXPECT_TRUE(driver->engine.pad->connected);

    driver->clickElement("Singleplayer");
    driver->steps(200);
    const glm::vec3 start = playerPosition();
    SDL_JoystickSetVirtualAxis(pad, SDL_CONTROLLER_AXIS_LEFTY, -32767);
    driver->steps(100);
    EXPECT_GT(glm::length(glm::vec2(playerPosition() - start)), 1.0f) << "the stick walks";
    SDL_JoystickSetVirtualAxis(pad, SDL_CONTROLLER_AXIS_LEFTY, 0);
    driver->steps(50);
    const float ground = playerPosition().z;
    SDL_JoystickSetVirtualButton(pad, SDL_CONTROLLER_BUTTON_A, 1);
    driver->steps(20);
    SDL_JoystickSetVirtualButton(pad, SDL_CONTROLLER_BUTTON_A, 0);
    EXPECT_GT(playerPosition().z, ground + 1.0f) << "A jumps";

    SDL_JoystickClose(pad);
    SDL_JoystickDetachVirtual(device);
    driver->steps(2);
    EXPECT_FALSE(driver->engine.pad->connected) << "pulled out";
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

    Game::EditorState& editor = *game().editorState;
    for (int y = 100; y < 600 && editor.selection.empty(); y += 50)
        for (int x = 40; x < 1280 && editor.selection.empty(); x += 80) driver->clickAt(glm::ivec2(x, y));
    ASSERT_EQ(editor.selection.size(), 1u) << "no click hit a block";
    const auto [selected, overlay] = *editor.selection.begin();
    const auto& blocks = game().gameMap->blocks;
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

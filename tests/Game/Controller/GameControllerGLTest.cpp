#include "tests/Game/Controller/ControllerDriver.h"

#include "Engine/ECS/EntityManager.h"
#include "Engine/Font/TextMesh.h"
#include "Game/Controller/GameResources.h"
#include "Game/Controller/ResourceCameras.h"
#include "Game/Controller/WindowOptions.h"
#include "Game/Editor/EditorState.h"
#include "Game/Editor/GameMap.h"
#include "Game/Physics/CharacterControllerComponent.h"
#include "Game/Scene/CameraComponent.h"
#include "Game/Scene/MeshComponent.h"
#include "Game/Scene/TransformComponent.h"
#include "Game/UI/Menu.h"

#include <GL/glew.h>
#include <SDL.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <iostream>
#include <memory>
#include <sstream>

using namespace ControllerTest;
using Game::GameState;

namespace {

constexpr uint32_t expectedPlayer = 4;
constexpr uint32_t expectedFloor = 161;
constexpr size_t levelBlocks = 156;
constexpr int settleSteps = 200;

std::vector<std::string> linesOf(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);) lines.push_back(line);
    return lines;
}

bool hasLineStartingWith(const std::vector<std::string>& lines, const std::string& prefix)
{
    return std::any_of(lines.begin(), lines.end(), [&](const std::string& l) { return l.rfind(prefix, 0) == 0; });
}

std::vector<std::string> namesIn(const UI::Menu& menu)
{
    std::vector<std::string> names;
    for (const auto& element : menu.guiElements) names.push_back(element.first);
    return names;
}

int speedShown(const Game::GameResources& resources)
{
    int speed = -1;
    std::sscanf(resources.speedText->text.c_str(), "Speed: %d km/h", &speed);
    return speed;
}

const std::vector<std::string> mainMenu = {"GameEnd", "Map-Editor", "Options", "Singleplayer"};

GLint glInteger(GLenum name)
{
    GLint value = 0;
    glGetIntegerv(name, &value);
    return value;
}

} // namespace

// One game per test, started in the run folder. Standard output and error
// are captured from before the controller exists until the test reads them.
class GameControllerGL : public testing::Test {
protected:
    void SetUp() override
    {
        testing::internal::CaptureStdout();
        testing::internal::CaptureStderr();
        driver = std::make_unique<ControllerDriver>();
    }

    void TearDown() override
    {
        if (capturing) finishCapture();
        EXPECT_EQ(errors, "") << "GL errors or other complaints on standard error";
    }

    void finishCapture()
    {
        std::fflush(stdout);
        std::cout.flush();
        output = testing::internal::GetCapturedStdout();
        errors = testing::internal::GetCapturedStderr();
        capturing = false;
    }

    Game::GameController& game() { return driver->controller; }
    GameState& state() { return *game().gameState; }

    std::unique_ptr<ControllerDriver> driver;
    bool capturing = true;
    std::string output;
    std::string errors;
};

TEST_F(GameControllerGL, StartUpLogsItsStagesAndBuildsPlayerLevelFloorAndMainMenu)
{
    finishCapture();
    const std::vector<std::string> lines = linesOf(output);
    const std::vector<std::string> stages = {"GC CREATE", "GC INIT", "SHADERGEN", "SHADER END", "Mesh Loading",
                                             "IMGLOAD end", "GC INIT END", "Player ID: 4", "FLOOR ID: 161"};
    auto from = lines.begin();
    for (const std::string& stage : stages) {
        from = std::find(from, lines.end(), stage);
        ASSERT_NE(from, lines.end()) << "missing or out of order: " << stage << "\n" << output;
    }

    EXPECT_EQ(game().playerEntity, expectedPlayer);
    EXPECT_EQ(game().floorEntity, expectedFloor);
    ASSERT_EQ(game().gameMap->blocks.size(), levelBlocks);
    EXPECT_EQ(game().gameMap->blocks.front(), expectedPlayer + 1);
    EXPECT_EQ(game().gameMap->blocks.back(), expectedFloor - 1);
    EXPECT_EQ(game().gameMap->rebuildCountdown, Game::GameMap::rebuildRequested);
    EXPECT_EQ(namesIn(*game().menu), mainMenu);
    EXPECT_EQ(state().mode, GameState::modeMainMenu);
    EXPECT_FALSE(state().paused);
    EXPECT_TRUE(state().uiVisible);

    GLfloat floorAnisotropy = 0.0f;
    glGetSamplerParameterfv(game().resources->floorSampler->name, GL_TEXTURE_MAX_ANISOTROPY_EXT, &floorAnisotropy);
    EXPECT_EQ(floorAnisotropy, 1.0f) << "the profile's max_anisotropy";
}

TEST_F(GameControllerGL, LevelIsMergedOnTheSecondStepAndTheFrameLeavesItsGLState)
{
    driver->step(StepInput{});
    EXPECT_EQ(game().gameMap->mergedModel, nullptr) << "the merge waits one step";
    driver->step(StepInput{});
    EXPECT_NE(game().gameMap->mergedModel, nullptr);

    for (uint32_t mode : {GameState::modeMainMenu, GameState::modeSingleplayer, GameState::modeMapEditor}) {
        SCOPED_TRACE(testing::Message() << "mode " << mode);
        state().mode = mode;
        game().render(0.25f);
        EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST));
        EXPECT_FALSE(glIsEnabled(GL_BLEND));
        EXPECT_TRUE(glIsEnabled(GL_CULL_FACE));
        EXPECT_EQ(glInteger(GL_BLEND_SRC_RGB), GL_SRC_ALPHA);
        EXPECT_EQ(glInteger(GL_BLEND_DST_RGB), GL_ONE_MINUS_SRC_ALPHA);
        EXPECT_EQ(glInteger(GL_FRAMEBUFFER_BINDING), 0);
        EXPECT_EQ(glInteger(GL_DEPTH_WRITEMASK), GL_TRUE);
        EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
    }
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

TEST_F(GameControllerGL, SingleplayerWalkPauseResumeAndBackToTheMenu)
{
    driver->steps(settleSteps, StepInput{});
    const int menuEntities = driver->aliveEntities();

    driver->clickElement("Singleplayer");
    ASSERT_EQ(state().mode, GameState::modeSingleplayer);
    EXPECT_FALSE(state().uiVisible);
    EXPECT_TRUE(game().menu->guiElements.empty());
    driver->steps(10, StepInput{});
    EXPECT_EQ(driver->aliveEntities(), menuEntities - 4) << "the four menu buttons are gone";
    EXPECT_EQ(speedShown(*game().resources), 0);

    const glm::vec3 start = game().world->getComponent<TransformComponent>(game().playerEntity).position;
    StepInput walk;
    walk.keys = {SDL_SCANCODE_W};
    driver->steps(100, walk);
    const glm::vec3 walked = game().world->getComponent<TransformComponent>(game().playerEntity).position;
    EXPECT_GT(glm::length(glm::vec2(walked - start)), 1.0f) << "W moves the player";
    EXPECT_GT(speedShown(*game().resources), 0);

    driver->tapEscape();
    EXPECT_TRUE(state().paused);
    EXPECT_TRUE(state().uiVisible);
    EXPECT_EQ(namesIn(*game().menu), (std::vector<std::string>{"Back_to_menu", "Resume_Game"}));
    EXPECT_FALSE(game().world->getComponent<CharacterControllerComponent>(game().playerEntity).enabled);

    driver->clickElement("Resume_Game");
    EXPECT_FALSE(state().paused);
    EXPECT_FALSE(state().uiVisible);
    driver->steps(10, StepInput{});
    EXPECT_TRUE(game().menu->guiElements.empty());
    EXPECT_TRUE(game().world->getComponent<CharacterControllerComponent>(game().playerEntity).enabled);

    driver->tapEscape();
    driver->tapEscape();
    EXPECT_FALSE(state().paused) << "a second Escape resumes";
    driver->tapEscape();
    driver->clickElement("Back_to_menu");
    driver->steps(10, StepInput{});
    EXPECT_EQ(state().mode, GameState::modeMainMenu);
    EXPECT_FALSE(state().paused);
    EXPECT_TRUE(state().uiVisible);
    EXPECT_EQ(namesIn(*game().menu), mainMenu);
    EXPECT_EQ(driver->aliveEntities(), menuEntities);

    finishCapture();
    EXPECT_TRUE(hasLineStartingWith(linesOf(output), "OnEnter ")) << "the player lands";
}

TEST_F(GameControllerGL, EditorSelectsABlockPausesAndReturnsToTheMenu)
{
    driver->steps(10, StepInput{});
    const int menuEntities = driver->aliveEntities();

    driver->clickElement("Map-Editor");
    ASSERT_EQ(state().mode, GameState::modeMapEditor);
    EXPECT_TRUE(state().uiVisible);
    EXPECT_EQ(namesIn(*game().menu), std::vector<std::string>{"background"});
    driver->steps(10, StepInput{});

    // Walk the screen until a click picks a block.
    Game::EditorState& editor = *game().editorState;
    for (int y = 100; y < 600 && editor.selection.empty(); y += 50)
        for (int x = 40; x < 1280 && editor.selection.empty(); x += 80) driver->clickAt(glm::ivec2(x, y));
    ASSERT_EQ(editor.selection.size(), 1u) << "no click hit a block";
    const uint32_t selected = editor.selection.begin()->first;
    const uint32_t overlay = editor.selection.begin()->second;
    driver->steps(5, StepInput{});
    EXPECT_NE(std::find(game().gameMap->blocks.begin(), game().gameMap->blocks.end(), selected),
              game().gameMap->blocks.end());
    ASSERT_TRUE(game().world->hasComponent<MeshComponent>(overlay));
    EXPECT_EQ(game().world->getComponent<MeshComponent>(overlay).renderGroup, MeshComponent::selectedGroup);
    EXPECT_EQ(driver->aliveEntities(), menuEntities - 4 + 1 + 1) << "bar and overlay instead of the buttons";

    driver->tapEscape();
    EXPECT_TRUE(state().paused);
    EXPECT_EQ(namesIn(*game().menu), (std::vector<std::string>{"Back_to_menu", "Resume_Editor", "background"}));
    driver->clickElement("Back_to_menu");
    driver->steps(10, StepInput{});
    EXPECT_EQ(state().mode, GameState::modeMainMenu);
    EXPECT_FALSE(state().paused);
    EXPECT_EQ(namesIn(*game().menu), mainMenu);
    EXPECT_EQ(driver->aliveEntities(), menuEntities + 1) << "the selection outlives the editor";

    finishCapture();
    const std::vector<std::string> lines = linesOf(output);
    EXPECT_TRUE(hasLineStartingWith(lines, "SHOOT:"));
    EXPECT_NE(std::find(lines.begin(), lines.end(), "HIT: " + std::to_string(selected)), lines.end());
}

TEST_F(GameControllerGL, EscapeInTheMainMenuDoesNothingAndEndGameOnlySetsTheQuitFlag)
{
    driver->steps(10, StepInput{});
    driver->tapEscape();
    EXPECT_FALSE(state().paused);
    EXPECT_EQ(game().menu->guiElements.size(), 4u);
    driver->clickElement("GameEnd");
    EXPECT_TRUE(driver->engine.quit);
    EXPECT_EQ(state().mode, GameState::modeMainMenu);
}

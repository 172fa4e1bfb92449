// The whole game in a real window, in the run folder, driven through every
// mode with made-up input as a player would.
#include "Engine/Core/PadState.h"
#include "Engine/ECS/EntityManager.h"
#include "Game/Physics/CustomCharacterController.h"
#include "Engine/Font/TextMesh.h"
#include "Engine/Graphics/MatrixState.h"
#include "Engine/Graphics/Model3D.h"
#include "Engine/Graphics/ModelFromBuilder.h"
#include "Engine/Mesh/MeshBuilder.h"
#include "Game/Resources/ResourceCameras.h"
#include "Game/Controller/FrameTimeGraph.h"
#include "Game/Editor/EditorState.h"
#include "Game/Level/GameMap.h"
#include "Game/Level/LevelFile.h"
#include "Game/Race/RaceStart.h"
#include "Game/Physics/CharacterControllerComponent.h"
#include "Game/Rendering/OutlineComposite.h"
#include "Game/Resources/GameResources.h"
#include "Game/Scene/CameraComponent.h"
#include "Game/Scene/MeshComponent.h"
#include "Game/Scene/TransformComponent.h"
#include "Game/UI/Menu.h"
#include "Game/UI/MenuNavigator.h"
#include "Game/UI/UIComponents.h"
#include "tests/support/GameInputDriver.h"

#include <GL/glew.h>
#include <SDL.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>

using GameTesting::GameInputDriver;
using GameTesting::StepInput;
using Game::GameState;
using Names = std::vector<std::string>;

namespace {

const Names mainMenu = {"GameEnd", "Map-Editor", "Options", "Singleplayer"};

using Engine::GFX::RenderTarget;
using Pixels = std::vector<glm::u8vec4>;

Pixels readPixels(GLuint framebuffer, glm::ivec2 size, glm::ivec2 corner = glm::ivec2(0))
{
    Pixels pixels(static_cast<size_t>(size.x) * size.y);
    glBindFramebuffer(GL_FRAMEBUFFER, framebuffer);
    glReadPixels(corner.x, corner.y, size.x, size.y, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
    glBindFramebuffer(GL_FRAMEBUFFER, 0);
    return pixels;
}

// A corner of the window that no text, button, crosshair or cursor covers
// in any mode but the editor, and that the test window's framebuffer holds
// (it may be smaller than the size the game draws at).
glm::ivec2 uncoveredPart()
{
    return glm::ivec2(320, 360);
}

int largestChannelDifference(const Pixels& a, const Pixels& b)
{
    int largest = 0;
    for (size_t i = 0; i < a.size(); ++i)
        for (int c = 0; c < 3; ++c) largest = std::max(largest, std::abs(int(a[i][c]) - int(b[i][c])));
    return largest;
}

void bindTexture(GLenum unit, GLuint texture)
{
    glActiveTexture(unit);
    glBindTexture(GL_TEXTURE_2D, texture);
}

// A quad over the whole clip space seen straight on, as the frame's screen
// passes draw it.
struct ScreenPass {
    ScreenPass()
    {
        camera.setOrthographic(-1.0f, 1.0f, -1.0f, 1.0f, -10.0f, 10.0f);
        camera.setDefaultView();
        Engine::GFX::Mesh::MeshBuilder builder;
        builder.addQuad(glm::vec2(-1.0f), glm::vec2(1.0f), glm::vec4(1.0f), glm::vec2(1.0f));
        Engine::GFX::Mesh::fillModel(quad, builder);
    }
    Camera camera;
    Engine::GFX::Mesh::Model3D quad;
};

// The frame's last two passes as they were before they were folded into
// one: the outline factor into a target of its own, then the scene's colour
// times that factor.
void compositeInTwoPasses(const Game::GameContext& game, ScreenPass& screen, const RenderTarget& edges,
                          GLuint destination)
{
    Game::GameResources& r = *game.resources;
    MatrixState& matrices = *game.matrices;
    const glm::vec2 size = glm::vec2(r.windowSize());
    glBindFramebuffer(GL_FRAMEBUFFER, edges.framebuffer.name);
    matrices.use(r.shaderEdgeDetection.get());
    glBindSampler(0, r.edgeSampler->name);
    bindTexture(GL_TEXTURE0, r.sceneFBO->colour(1).name);
    r.shaderEdgeDetection->setUniform("uPixelSize", 1.0f / size);
    matrices.setModel(glm::mat4(1.0f));
    screen.quad.draw();
    glBindSampler(0, 0);

    glBindFramebuffer(GL_FRAMEBUFFER, destination);
    matrices.use(r.shaderFinalComposit.get());
    matrices.setModel(glm::mat4(1.0f));
    bindTexture(GL_TEXTURE0, r.sceneFBO->colour(0).name);
    bindTexture(GL_TEXTURE1, edges.colour(0).name);
    screen.quad.draw();
}

void compositeInOnePass(const Game::GameContext& game, ScreenPass& screen, GLuint destination)
{
    Game::drawOutlineComposite(Game::outlineCompositeInputs(game, screen.quad, destination, game.resources->windowSize()));
}

// Both ways over the scene the last frame left in the scene's targets.
struct Composites {
    Pixels twoPasses, onePass, uncovered;
    size_t outlinePixels = 0;
};

Composites compositeBothWays(const Game::GameContext& game)
{
    ScreenPass screen;
    const glm::ivec2 size = game.resources->windowSize();
    const RenderTarget edges(size.x, size.y, 1, Engine::GFX::DepthStorage::None);
    const RenderTarget twoPasses(size.x, size.y, 1, Engine::GFX::DepthStorage::None);
    const RenderTarget onePass(size.x, size.y, 1, Engine::GFX::DepthStorage::None);
    MatrixState& matrices = *game.matrices;
    matrices.view = screen.camera.view;
    matrices.projection = screen.camera.projection;
    glDisable(GL_DEPTH_TEST);
    compositeInTwoPasses(game, screen, edges, twoPasses.framebuffer.name);
    compositeInOnePass(game, screen, onePass.framebuffer.name);
    glEnable(GL_DEPTH_TEST);
    Composites result{readPixels(twoPasses.framebuffer.name, size), readPixels(onePass.framebuffer.name, size),
                      readPixels(onePass.framebuffer.name, uncoveredPart())};
    for (const glm::u8vec4& factor : readPixels(edges.framebuffer.name, size)) result.outlinePixels += factor.r < 128;
    return result;
}

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
             {&r.sceneFBO->colour(0), &r.sceneFBO->colour(1), depth, &r.pickingFBO->colour(0)}) {
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

// The outline worked out inside the composite gives the picture the edge
// pass and the old composite gave, over each mode's scene; the frame itself
// shows it where no overlay covers it.
TEST_F(GameControllerGL, TheOnePassCompositeDrawsThePictureOfTheEdgeAndCompositePasses)
{
    driver->steps(2);
    for (const std::string mode : {"main menu", "Singleplayer", "Map-Editor"}) {
        SCOPED_TRACE(mode);
        if (mode != "main menu") driver->clickElement(mode);
        controller().render(0.5f);
        const Pixels window = readPixels(0, uncoveredPart());
        const Composites composites = compositeBothWays(game());
        EXPECT_GT(composites.outlinePixels, 1000u) << "the scene has outlines to compare";
        EXPECT_LE(largestChannelDifference(composites.twoPasses, composites.onePass), 1);
        if (mode != "Map-Editor") {
            EXPECT_EQ(largestChannelDifference(window, composites.uncovered), 0);
        }
        if (mode == "Singleplayer") driver->tapEscape(), driver->clickElement("Back_to_menu");
    }
}

// At half the window's size the scene's targets shrink while picking stays
// whole, and the frame is the full-size picture scaled up: close to it
// everywhere, not equal.
TEST_F(GameControllerGL, AtHalfRenderScaleTheSceneIsDrawnSmallAndScaledUpOverTheWholeWindow)
{
    driver->steps(2);
    Game::GameResources& r = *game().resources;
    const glm::ivec2 size = run().windowSize;
    driver->clickElement("Singleplayer");
    controller().render(0.5f);
    const Pixels full = compositeBothWays(game()).uncovered;

    r.setRenderScale(0.5f);
    EXPECT_EQ(r.sceneSize(), size / 2);
    EXPECT_EQ(glm::ivec2(r.pickingFBO->colour(0).width, r.pickingFBO->colour(0).height), size);
    controller().render(0.5f);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
    const Pixels scaled = readPixels(0, uncoveredPart());
    double difference = 0.0;
    for (size_t i = 0; i < full.size(); ++i)
        for (int c = 0; c < 3; ++c) difference += std::abs(int(full[i][c]) - int(scaled[i][c]));
    const double mean = difference / (full.size() * 3);
    EXPECT_GT(mean, 0.1);
    EXPECT_LT(mean, 6.0);

    r.setRenderScale(1.0f);
    EXPECT_EQ(r.sceneSize(), size);
    EXPECT_EQ(r.scaledCompositeFBO, nullptr);
}

// The graph keeps every frame's time; while shown, the GL times each pass
// and the times come back within a few frames.
TEST_F(GameControllerGL, F3ShowsAndHidesTheFrameTimeGraphAndThePassTimesArrive)
{
    Game::FrameTimeGraph& graph = controller().timeGraph();
    driver->steps(2);
    EXPECT_FALSE(graph.shown());
    driver->steps(1, StepInput{{SDL_SCANCODE_F3}});
    driver->steps(1);
    ASSERT_TRUE(graph.shown());
    const size_t framesBefore = graph.history().size();
    for (int frame = 0; frame < 6; ++frame) {
        controller().render(0.5f);
        glFinish();
    }
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
    EXPECT_EQ(graph.history().size(), framesBefore + 6);
    const std::vector<Game::PassShare> shares = graph.passShares();
    Names passes;
    for (const Game::PassShare& share : shares) passes.push_back(share.pass);
    EXPECT_NE(std::find(passes.begin(), passes.end(), "composite"), passes.end()) << testing::PrintToString(passes);
    driver->steps(1, StepInput{{SDL_SCANCODE_F3}});
    EXPECT_FALSE(graph.shown());
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

// Fourteen saved levels, one with a best time: the list is longer than the
// window, scrolls one row per wheel notch and stops at either end; choosing
// a level builds it with the ids of a fresh start.
TEST_F(GameControllerGL, TheLevelListScrollsWithTheWheelShowsBestTimesAndOpensTheChosenLevel)
{
    const int savedLevels = 14;
    const int rows = savedLevels + 2; // Generated first, Back last
    std::filesystem::create_directories(run().files.levelFolder);
    for (int i = 0; i < savedLevels; ++i) {
        const std::vector<Game::BlockPose> blocks{{glm::vec3(float(i), 0.0f, 0.5f)}};
        std::ofstream(run().files.levelFolder + "/course " + std::to_string(10 + i) + ".cfg") << Game::formatLevel(blocks);
        if (i == 3) std::ofstream(run().files.records) << "[" << Game::raceLevelHash(blocks) << "]\nbest = 83.25\n";
    }
    auto label = [&](const std::string& name) {
        return game().world->getComponent<UI::Component::UItextComponent>(game().menu->guiElements.at(name)).text;
    };
    auto shownRows = [&] {
        Names shown = menuNames();
        shown.erase(std::remove(shown.begin(), shown.end(), "Levels_Message"), shown.end());
        return shown;
    };
    auto wheel = [&](int notch, int steps) {
        for (int i = 0; i < steps; ++i) driver->step(StepInput{{}, {0, 0}, 0, notch});
    };
    driver->steps(20);
    driver->clickElement("Singleplayer");
    driver->steps(5);
    const Names top = shownRows();
    const int fitting = int(top.size());
    ASSERT_GT(fitting, 5);
    ASSERT_LT(fitting, rows) << "the list fits the window";
    EXPECT_EQ(label("Level_0"), "Generated");
    EXPECT_EQ(label("Level_1"), "course 10") << "no record, no time";
    EXPECT_EQ(label("Level_4"), "course 13  1:23.25");
    EXPECT_EQ(game().menu->count("Levels_Back"), 0u);

    wheel(-1, 1);
    EXPECT_EQ(game().menu->count("Level_0"), 0u) << "one notch down hides the first row";
    EXPECT_EQ(game().menu->count("Level_" + std::to_string(fitting)), 1u) << "and shows the next";
    wheel(-1, rows);
    EXPECT_EQ(int(shownRows().size()), fitting);
    EXPECT_EQ(game().menu->count("Levels_Back"), 1u) << "the last row is reached and kept";
    EXPECT_EQ(game().menu->count("Level_" + std::to_string(rows - fitting)), 1u);
    EXPECT_EQ(game().menu->count("Level_" + std::to_string(rows - fitting - 1)), 0u);
    wheel(1, 1);
    EXPECT_EQ(game().menu->count("Levels_Back"), 0u) << "one notch up";
    wheel(1, rows);
    EXPECT_EQ(shownRows(), top) << "back at the top and kept there";

    driver->clickElement("Level_4");
    driver->steps(5);
    EXPECT_EQ(state().mode, GameState::modeSingleplayer);
    ASSERT_EQ(run().map.blocks.size(), 1u);
    EXPECT_EQ(game().world->getComponent<TransformComponent>(run().map.blocks[0]).position, glm::vec3(3.0f, 0.0f, 0.5f));
    finishCapture();
    EXPECT_NE(output.find("FLOOR ID: 161\n"), std::string::npos);
    EXPECT_EQ(output.substr(output.rfind("FLOOR ID: ")), "FLOOR ID: 6\n") << "the block and the floor follow the player";
}

// A virtual game controller plugged in while the game runs, read through the
// engine's input refresh: A on the highlighted button starts a game, the left
// stick walks and A jumps.
TEST_F(GameControllerGL, AVirtualPadPluggedInWhileRunningStartsAGameWalksAndJumps)
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

    for (const SDL_GameControllerButton button : {SDL_CONTROLLER_BUTTON_DPAD_DOWN, SDL_CONTROLLER_BUTTON_A}) {
        SDL_JoystickSetVirtualButton(pad, button, 1);
        driver->steps(3);
        SDL_JoystickSetVirtualButton(pad, button, 0);
        driver->steps(3);
    }
    EXPECT_EQ(state().mode, GameState::modeSingleplayer) << "A on the first button, highlighted by the d-pad";
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

// Down and Up walk every menu's buttons top to bottom with wrap-around, the
// highlighted one alone showing the hover look; the mouse takes it away.
TEST_F(GameControllerGL, TheArrowKeysWalkEveryMenuTopToBottomAndWrapRound)
{
    auto highlighted = [&] { return game().menuNavigator->highlighted.value_or("none"); };
    auto walk = [&](int key, int count) {
        Names seen;
        for (int i = 0; i < count; ++i) {
            driver->tap(key);
            seen.push_back(highlighted());
        }
        return seen;
    };
    auto expectWalks = [&](const Names& order, const char* menu) {
        Names around = order;
        around.push_back(order.front());
        EXPECT_EQ(walk(SDL_SCANCODE_DOWN, int(around.size())), around) << menu;
        EXPECT_EQ(walk(SDL_SCANCODE_UP, 2), (Names{order.back(), order[order.size() - 2]})) << menu;
        const uint32_t entity = game().menu->guiElements.at(highlighted());
        EXPECT_EQ(game().world->getComponent<UI::Component::UIclickableComponent>(entity).state,
                  UI::Component::UIclickableComponent::hovered) << menu;
    };
    driver->steps(20);
    expectWalks({"Singleplayer", "Map-Editor", "Options", "GameEnd"}, "main");
    driver->steps(3, StepInput{{}, {5, 5}});
    EXPECT_EQ(highlighted(), "none") << "the mouse moved";

    walk(SDL_SCANCODE_DOWN, 3);
    driver->tap(SDL_SCANCODE_RETURN);
    expectWalks({"Options_Resolution", "Options_Fullscreen", "Options_VSync", "Options_TextureFiltering",
                 "Options_RenderScale", "Options_MouseSpeed", "Options_Volume", "Options_Back"}, "options");
    driver->tapEscape();
    EXPECT_EQ(menuNames(), mainMenu) << "Escape goes back from Options";

    driver->tap(SDL_SCANCODE_DOWN);
    driver->tap(SDL_SCANCODE_RETURN);
    ASSERT_EQ(state().mode, GameState::modeSingleplayer);
    driver->steps(20);
    driver->tapEscape();
    expectWalks({"Resume_Game", "Back_to_menu"}, "game pause");
    driver->clickElement("Back_to_menu");
    driver->steps(10);
    driver->clickElement("Map-Editor");
    driver->steps(10);
    driver->tapEscape();
    expectWalks({"Resume_Editor", "Back_to_menu", "Editor_New_level", "Editor_Open_level"}, "editor pause");
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
    Names paused{"Back_to_menu", "Editor_New_level", "Editor_Open_level", "Resume_Editor"};
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

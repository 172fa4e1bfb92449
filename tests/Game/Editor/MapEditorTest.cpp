// The map editor's rules over a real entity manager and physics world: the
// editor camera hangs above the point it is aimed at and looks straight down
// from the window's centre, so a pick ray goes straight down onto that point.
#include "Game/Editor/EditorState.h"
#include "Game/Editor/MapEditor.h"
#include "Game/Level/GameMap.h"
#include "Game/Level/Level.h"
#include "Game/Resources/GameState.h"
#include "Game/Scene/CameraComponent.h"
#include "Game/Scene/CameraControlComponents.h"
#include "Game/Scene/MeshComponent.h"
#include "Game/Scene/TransformComponent.h"
#include "tests/support/GameTestWorld.h"

#include <SDL_mouse.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Game::EditorState;
using Blocks = std::vector<uint32_t>;

const glm::vec3 sky(0.0f, 60.0f, 0.0f);
constexpr float cameraHeight = 30.0f;

class MapEditorTest : public ::testing::Test {
protected:
    MapEditorTest()
    {
        Camera view;
        view.setPerspective(60.0f, float(t.windowWidth), float(t.windowHeight), 0.1f, 200.0f);
        t.world.addComponent(camera, CameraComponent(view));
        t.world.addComponent(camera, TransformComponent());
        t.world.addComponent(camera, CameraMouseMovementComponent(false));
        t.world.addComponent(camera, CameraMouseShiftComponent(false));
        t.world.addComponent(camera, CameraMouseZoomMoveComponent(true));
        t.world.addComponent(camera, FreeCamMovementComponent(true));
        gameState.mode = Game::GameState::modeMapEditor;
        context = {&t.world, &t.physics, &gameState, camera, &t.mouse, &t.keyboard, {}, nullptr, nullptr, nullptr};
        context.readAxisId = [this](int32_t x, int32_t y) {
            pickingReads.emplace_back(x, y);
            return pickingRed;
        };
        context.showPauseMenu = [this] { ++pauseMenus; };
        context.hidePauseMenu = [this] { --pauseMenus; };
        for (const glm::vec3& p : {glm::vec3(0.0f), glm::vec3(10.0f, 0.0f, 0.0f), glm::vec3(-10.0f, 0.0f, 4.0f)})
            blocks.push_back(Game::createBlock(map, t.world, p, glm::vec3(2.0f)));
        t.world.refresh();
        t.physics.getDynamicsWorld()->updateAabbs();
    }

    void step(uint32_t buttons = 0, glm::ivec2 cursor = {GameTesting::GameTestWorld::windowWidth / 2,
                                                           GameTesting::GameTestWorld::windowHeight / 2})
    {
        t.buttons = buttons;
        t.refreshInput(cursor);
        Game::updateEditor(editor, context);
        t.world.refresh();
    }

    void aimAt(const glm::vec3& target)
    {
        Camera& view = t.world.getComponent<CameraComponent>(camera).camera;
        view.position = t.world.getComponent<TransformComponent>(camera).position = target + glm::vec3(0, 0, cameraHeight);
        view.center = target;
        view.up = glm::vec3(0.0f, 1.0f, 0.0f);
    }

    // Left button down for one step, then up, with left shift as given; returns the log.
    std::string clickAt(const glm::vec3& target, bool shift = false)
    {
        aimAt(target);
        t.keys[SDL_SCANCODE_LSHIFT] = shift;
        testing::internal::CaptureStdout();
        step(SDL_BUTTON_LMASK);
        step();
        t.keys[SDL_SCANCODE_LSHIFT] = 0;
        return testing::internal::GetCapturedStdout();
    }
    std::string clickOn(int block, bool shift = false) { return clickAt(positionOf(blocks[block]), shift); }

    void pressEscape()
    {
        t.keys[SDL_SCANCODE_ESCAPE] = 1;
        step();
        t.keys[SDL_SCANCODE_ESCAPE] = 0;
        step();
    }

    template <class Switch>
    bool switchedOn() { return t.world.getComponent<Switch>(camera).enabled; }
    glm::vec3 positionOf(uint32_t entity) { return t.world.getComponent<TransformComponent>(entity).position; }
    Blocks selected() const
    {
        Blocks found;
        for (const auto& [block, overlay] : editor.selection) found.push_back(block);
        return found;
    }

    GameTesting::GameTestWorld t;
    const uint32_t camera = t.world.createEntity();
    Game::GameState gameState;
    Game::GameMap map;
    EditorState editor;
    Game::EditorContext context;
    Blocks blocks;
    uint8_t pickingRed = 0;
    std::vector<glm::ivec2> pickingReads;
    int pauseMenus = 0;
};

TEST_F(MapEditorTest, AClickSelectsTheBlockUnderTheMouseShiftAddsAndRemovesAndASkyClickClears)
{
    EXPECT_EQ(clickOn(0), "SHOOT:\nHIT: " + std::to_string(blocks[0]) + "\n");
    const uint32_t overlay = editor.selection.at(blocks[0]);
    const MeshComponent& mesh = t.world.getComponent<MeshComponent>(overlay);
    EXPECT_EQ(mesh.renderGroup, MeshComponent::selectedGroup);
    EXPECT_EQ(positionOf(overlay), positionOf(blocks[0]));

    clickOn(1, true);
    clickOn(2, true);
    EXPECT_EQ(selected(), (Blocks{blocks[0], blocks[1], blocks[2]}));
    EXPECT_EQ(editor.selection.at(blocks[0]), overlay) << "adding keeps the others' overlays";
    EXPECT_EQ(editor.gizmoPosition, (positionOf(blocks[0]) + positionOf(blocks[1]) + positionOf(blocks[2])) / 3.0f);

    clickOn(0, true);
    EXPECT_EQ(selected(), (Blocks{blocks[1], blocks[2]}));
    EXPECT_FALSE(t.world.isAlive(overlay));
    EXPECT_EQ(clickAt(sky, true), "SHOOT:\n");
    EXPECT_EQ(selected(), (Blocks{blocks[1], blocks[2]})) << "a shift click into the sky keeps the selection";

    clickOn(0);
    EXPECT_EQ(selected(), Blocks{blocks[0]}) << "a plain click replaces the selection";
    clickAt(sky);
    EXPECT_TRUE(editor.selection.empty());
    EXPECT_TRUE(editor.selectionProxies.empty());
}

TEST_F(MapEditorTest, HoldingTheButtonPicksOnlyWhenItGoesDownAndTheRayEndsAtTheFarPlane)
{
    aimAt(positionOf(blocks[0]));
    t.keys[SDL_SCANCODE_LSHIFT] = 1;
    testing::internal::CaptureStdout();
    for (int i = 0; i < 3; ++i) step(SDL_BUTTON_LMASK);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "SHOOT:\nHIT: " + std::to_string(blocks[0]) + "\n");
    EXPECT_EQ(selected(), Blocks{blocks[0]}) << "a held shift click toggles once";
    step();

    t.world.getComponent<CameraComponent>(camera).camera.far = cameraHeight - 5.0f;
    EXPECT_EQ(clickOn(1), "SHOOT:\n");
}

TEST_F(MapEditorTest, EscapeTogglesThePauseMenuOncePerPressAndTakesCameraInputAwayMeanwhile)
{
    t.keys[SDL_SCANCODE_ESCAPE] = 1;
    step();
    step();
    pressEscape();
    EXPECT_TRUE(gameState.paused) << "held over two steps: one toggle, then one more press: still one";
    EXPECT_EQ(pauseMenus, 1);
    EXPECT_FALSE(switchedOn<FreeCamMovementComponent>());
    EXPECT_FALSE(switchedOn<CameraMouseZoomMoveComponent>());

    pickingReads.clear();
    clickOn(0);
    step(SDL_BUTTON_RMASK | SDL_BUTTON_MMASK);
    EXPECT_TRUE(pickingReads.empty());
    EXPECT_TRUE(editor.selection.empty());
    EXPECT_FALSE(switchedOn<CameraMouseMovementComponent>());

    pressEscape();
    EXPECT_FALSE(gameState.paused);
    EXPECT_EQ(pauseMenus, 0);
    EXPECT_TRUE(switchedOn<FreeCamMovementComponent>());
    step(SDL_BUTTON_RMASK);
    EXPECT_TRUE(switchedOn<CameraMouseMovementComponent>()) << "the right button looks";
    step(SDL_BUTTON_MMASK);
    EXPECT_FALSE(switchedOn<CameraMouseMovementComponent>());
    EXPECT_TRUE(switchedOn<CameraMouseShiftComponent>()) << "the middle button pans";
}

TEST_F(MapEditorTest, TheHandleUnderTheMouseIsReadFromTheBottomLitAndGrabbedInsteadOfPicking)
{
    step(0, {100, 30});
    EXPECT_EQ(pickingReads.back(), glm::ivec2(100, GameTesting::GameTestWorld::windowHeight - 30));

    pickingRed = EditorState::yAxis;
    step();
    EXPECT_EQ(editor.yColours.current, editor.yColours.highlight);
    EXPECT_EQ(editor.xColours.current, editor.xColours.base);

    pickingRed = EditorState::xAxis;
    EXPECT_EQ(clickOn(0), "");
    EXPECT_EQ(editor.activeAxis, EditorState::xAxis);
    EXPECT_TRUE(editor.selection.empty());

    pickingRed = 9; // no handle: a click picks a block
    clickOn(0);
    EXPECT_EQ(editor.activeAxis, EditorState::noAxis);
    EXPECT_EQ(selected(), Blocks{blocks[0]});
}

} // namespace

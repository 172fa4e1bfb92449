// The map editor's rules over a real entity manager and physics world: the
// editor camera hangs above the point it is aimed at and looks straight down
// from the window's centre, so a pick ray goes straight down onto that point.
#include "tests/Game/Editor/EditorFixture.h"

namespace {

using Game::EditorState;
using Blocks = std::vector<uint32_t>;

const glm::vec3 sky(0.0f, 60.0f, 0.0f);

class MapEditorTest : public GameTesting::EditorFixture {
protected:
    MapEditorTest()
    {
        for (const glm::vec3& p : {glm::vec3(0.0f), glm::vec3(10.0f, 0.0f, 0.0f), glm::vec3(-10.0f, 0.0f, 4.0f)})
            blocks.push_back(addBlock(p));
    }

    std::string clickOn(int block, bool shift = false) { return clickAt(positionOf(blocks[block]), shift); }

    void pressEscape()
    {
        t.keys[SDL_SCANCODE_ESCAPE] = 1;
        step();
        t.keys[SDL_SCANCODE_ESCAPE] = 0;
        step();
    }

    glm::vec3 positionOf(uint32_t entity) { return t.world.getComponent<TransformComponent>(entity).position; }
    Blocks selected() const
    {
        Blocks found;
        for (const auto& [block, overlay] : editor.selection) found.push_back(block);
        return found;
    }

    Blocks blocks;
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
    EXPECT_EQ(platform.pauseMenus, 1);
    EXPECT_FALSE(switchedOn<FreeCamMovementComponent>());
    EXPECT_FALSE(switchedOn<CameraMouseZoomMoveComponent>());

    platform.reads.clear();
    clickOn(0);
    step(SDL_BUTTON_RMASK | SDL_BUTTON_MMASK);
    EXPECT_TRUE(platform.reads.empty());
    EXPECT_TRUE(editor.selection.empty());
    EXPECT_FALSE(switchedOn<CameraMouseMovementComponent>());

    pressEscape();
    EXPECT_FALSE(gameState.paused);
    EXPECT_EQ(platform.pauseMenus, 0);
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
    EXPECT_EQ(platform.reads.back(), glm::ivec2(100, GameTesting::GameTestWorld::windowHeight - 30));

    platform.red = EditorState::yAxis;
    step();
    EXPECT_EQ(editor.yColours.current, editor.yColours.highlight);
    EXPECT_EQ(editor.xColours.current, editor.xColours.base);

    platform.red = EditorState::xAxis;
    EXPECT_EQ(clickOn(0), "");
    EXPECT_EQ(editor.activeAxis, EditorState::xAxis);
    EXPECT_TRUE(editor.selection.empty());

    platform.red = 9; // no handle: a click picks a block
    clickOn(0);
    EXPECT_EQ(editor.activeAxis, EditorState::noAxis);
    EXPECT_EQ(selected(), Blocks{blocks[0]});
}

} // namespace

#include "tests/Game/Editor/EditorTestWorld.h"

#include <string>

namespace {

using Game::EditorState;

class MapEditorTest : public EditorTestWorld {
protected:
    void SetUp() override { block = addBlock(glm::vec3(0.0f)); }

    void expectColours(const Game::AxisColours& colours, const glm::vec3& expected)
    {
        EXPECT_EQ(colours.current, expected);
    }

    uint32_t block = 0;
};

TEST_F(MapEditorTest, EscapeOpensThePauseMenuAndTakesTheCameraInputAway)
{
    pressEscape();

    EXPECT_TRUE(gameState.paused);
    EXPECT_EQ(pauseMenuShown, 1);
    EXPECT_EQ(pauseMenuHidden, 0);
    EXPECT_FALSE(switchedOn<CameraMouseMovementComponent>());
    EXPECT_FALSE(switchedOn<FreeCamMovementComponent>());
    EXPECT_FALSE(switchedOn<CameraMouseZoomMoveComponent>());
}

TEST_F(MapEditorTest, WhilePausedTheEditorNeitherReadsPicksNorSteers)
{
    pressEscape();
    pickingReads.clear();

    clickAt(glm::vec3(0.0f));
    step(SDL_BUTTON_RMASK | SDL_BUTTON_MMASK);

    EXPECT_TRUE(pickingReads.empty());
    EXPECT_TRUE(editor.selection.empty());
    EXPECT_FALSE(switchedOn<CameraMouseMovementComponent>());
    EXPECT_FALSE(switchedOn<CameraMouseShiftComponent>());
}

TEST_F(MapEditorTest, EscapeAgainClosesThePauseMenuAndGivesTheCameraItsInputBack)
{
    pressEscape();
    pressEscape();

    EXPECT_FALSE(gameState.paused);
    EXPECT_EQ(pauseMenuShown, 1);
    EXPECT_EQ(pauseMenuHidden, 1);
    EXPECT_TRUE(switchedOn<FreeCamMovementComponent>());
    EXPECT_TRUE(switchedOn<CameraMouseZoomMoveComponent>());
    // Mouse look follows the right button again from the resuming step on.
    EXPECT_FALSE(switchedOn<CameraMouseMovementComponent>());
}

TEST_F(MapEditorTest, HoldingEscapePausesOnce)
{
    keys[SDL_SCANCODE_ESCAPE] = 1;
    step();
    step();
    step();
    EXPECT_TRUE(gameState.paused);
    EXPECT_EQ(pauseMenuShown, 1);
    EXPECT_EQ(pauseMenuHidden, 0);
}

TEST_F(MapEditorTest, MouseLookFollowsTheRightButtonAndPanningTheMiddleButton)
{
    step(SDL_BUTTON_RMASK);
    EXPECT_TRUE(switchedOn<CameraMouseMovementComponent>());
    EXPECT_FALSE(switchedOn<CameraMouseShiftComponent>());

    step(SDL_BUTTON_MMASK);
    EXPECT_FALSE(switchedOn<CameraMouseMovementComponent>());
    EXPECT_TRUE(switchedOn<CameraMouseShiftComponent>());

    step();
    EXPECT_FALSE(switchedOn<CameraMouseMovementComponent>());
    EXPECT_FALSE(switchedOn<CameraMouseShiftComponent>());
}

TEST_F(MapEditorTest, ThePickingTargetIsReadUnderTheMouseInWindowCoordinatesFromTheBottom)
{
    keyboard.refresh();
    mouse.refresh(Engine::StepInput{}, 0, 100, 30, windowHeight);
    Game::updateEditor(editor, context);

    ASSERT_EQ(pickingReads.size(), 1u);
    EXPECT_EQ(pickingReads[0], glm::ivec2(100, windowHeight - 30));
}

TEST_F(MapEditorTest, TheHandleUnderTheMouseIsHighlightedAndTheOthersShowTheirOwnColour)
{
    pickingRed = EditorState::yAxis;
    step();
    expectColours(editor.yColours, editor.yColours.highlight);
    expectColours(editor.xColours, editor.xColours.base);
    expectColours(editor.zColours, editor.zColours.base);
    expectColours(editor.centreColours, editor.centreColours.base);

    pickingRed = EditorState::centreAxis;
    step();
    expectColours(editor.yColours, editor.yColours.base);
    expectColours(editor.centreColours, editor.centreColours.highlight);

    pickingRed = 0;
    step();
    expectColours(editor.centreColours, editor.centreColours.base);
}

TEST_F(MapEditorTest, PressingOnAHandleRecordsItAndDoesNotPick)
{
    pickingRed = EditorState::xAxis;
    testing::internal::CaptureStdout();
    clickAt(glm::vec3(0.0f));
    const std::string log = testing::internal::GetCapturedStdout();

    EXPECT_EQ(editor.activeAxis, EditorState::xAxis);
    EXPECT_TRUE(editor.selection.empty());
    EXPECT_EQ(log, "");
}

TEST_F(MapEditorTest, TheRecordedHandleChangesOnlyWhenTheButtonGoesDown)
{
    pickingRed = EditorState::zAxis;
    step(SDL_BUTTON_LMASK);
    pickingRed = EditorState::yAxis;
    step(SDL_BUTTON_LMASK);
    EXPECT_EQ(editor.activeAxis, EditorState::zAxis);

    pickingRed = 0;
    step();
    step(SDL_BUTTON_LMASK);
    EXPECT_EQ(editor.activeAxis, EditorState::noAxis);
}

TEST_F(MapEditorTest, ARedByteThatIsNoHandleCountsAsNoHandle)
{
    pickingRed = 9;
    clickAt(glm::vec3(0.0f));

    EXPECT_EQ(editor.activeAxis, EditorState::noAxis);
    expectColours(editor.xColours, editor.xColours.base);
    EXPECT_EQ(selectedBlocks(), std::vector<uint32_t>{block});
}

} // namespace

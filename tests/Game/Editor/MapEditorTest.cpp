#include "tests/Game/Editor/EditorTestWorld.h"

#include <string>
#include <tuple>

namespace {

using Game::EditorState;

class MapEditorTest : public EditorTestWorld {
protected:
    void SetUp() override { block = addBlock(glm::vec3(0.0f)); }

    uint32_t block = 0;
};

TEST_F(MapEditorTest, EscapeTogglesThePauseMenuOncePerPressAndTakesCameraInputAwayMeanwhile)
{
    keys[SDL_SCANCODE_ESCAPE] = 1;
    step();
    step();
    pressEscape();
    EXPECT_TRUE(gameState.paused);
    EXPECT_EQ(pauseMenuShown, 1);
    EXPECT_EQ(pauseMenuHidden, 0);
    EXPECT_FALSE(switchedOn<FreeCamMovementComponent>());
    EXPECT_FALSE(switchedOn<CameraMouseZoomMoveComponent>());

    pickingReads.clear();
    clickAt(glm::vec3(0.0f));
    step(SDL_BUTTON_RMASK | SDL_BUTTON_MMASK);
    EXPECT_TRUE(pickingReads.empty());
    EXPECT_TRUE(editor.selection.empty());
    EXPECT_FALSE(switchedOn<CameraMouseMovementComponent>());
    EXPECT_FALSE(switchedOn<CameraMouseShiftComponent>());

    pressEscape();
    EXPECT_FALSE(gameState.paused);
    EXPECT_EQ(pauseMenuHidden, 1);
    EXPECT_TRUE(switchedOn<FreeCamMovementComponent>());
    EXPECT_TRUE(switchedOn<CameraMouseZoomMoveComponent>());
}

TEST_F(MapEditorTest, MouseLookFollowsTheRightButtonAndPanningTheMiddleButton)
{
    const std::vector<std::tuple<uint32_t, bool, bool>> rows{
        {SDL_BUTTON_RMASK, true, false}, {SDL_BUTTON_MMASK, false, true}, {0, false, false}};
    for (const auto& [buttons, look, pan] : rows) {
        step(buttons);
        EXPECT_EQ(switchedOn<CameraMouseMovementComponent>(), look) << buttons;
        EXPECT_EQ(switchedOn<CameraMouseShiftComponent>(), pan) << buttons;
    }
}

TEST_F(MapEditorTest, ThePickingTargetIsReadUnderTheMouseInWindowCoordinatesFromTheBottom)
{
    keyboard.refresh();
    mouse.refresh(Engine::StepInput{}, 0, 100, 30, windowHeight);
    Game::updateEditor(editor, context);

    EXPECT_EQ(pickingReads, std::vector<glm::ivec2>{glm::ivec2(100, windowHeight - 30)});
}

TEST_F(MapEditorTest, TheHandleUnderTheMouseIsHighlightedAndTheOthersAndAnyOtherRedByteShowTheirOwnColour)
{
    pickingRed = EditorState::yAxis;
    step();
    EXPECT_EQ(editor.yColours.current, editor.yColours.highlight);
    EXPECT_EQ(editor.xColours.current, editor.xColours.base);
    EXPECT_EQ(editor.zColours.current, editor.zColours.base);
    EXPECT_EQ(editor.centreColours.current, editor.centreColours.base);

    pickingRed = EditorState::centreAxis;
    step();
    EXPECT_EQ(editor.yColours.current, editor.yColours.base);
    EXPECT_EQ(editor.centreColours.current, editor.centreColours.highlight);

    // A red byte that is no handle counts as no handle: a click picks a block.
    pickingRed = 9;
    clickAt(glm::vec3(0.0f));
    EXPECT_EQ(editor.activeAxis, EditorState::noAxis);
    EXPECT_EQ(editor.centreColours.current, editor.centreColours.base);
    EXPECT_EQ(selectedBlocks(), std::vector<uint32_t>{block});
}

TEST_F(MapEditorTest, PressingOnAHandleRecordsItOnlyWhenTheButtonGoesDownAndDoesNotPick)
{
    pickingRed = EditorState::xAxis;
    testing::internal::CaptureStdout();
    step(SDL_BUTTON_LMASK);
    pickingRed = EditorState::yAxis;
    step(SDL_BUTTON_LMASK);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
    EXPECT_EQ(editor.activeAxis, EditorState::xAxis);
    EXPECT_TRUE(editor.selection.empty());
}

} // namespace

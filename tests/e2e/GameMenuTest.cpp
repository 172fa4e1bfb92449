#include "tests/e2e/GameSession.h"

#include <gtest/gtest.h>

#include <thread>

using namespace E2E;

namespace {

constexpr int mainMenuRows = 4;
constexpr int endGameRow = 3;
constexpr int minimumLabelPixels = 20;
constexpr Duration screenTimeout(15000);
constexpr Duration exitTimeout(10000);
// Every opaque pixel of the cursor image, give or take the blending of its
// rim; a few may fall on the label of a button below.
constexpr int cursorTolerance = 8;

bool allButtonsShown(const Screenshot& shot, const GameSession& session, const ImageFile& button)
{
    for (int row = 0; row < mainMenuRows; ++row)
        if (!buttonShows(shot, session, button, row)) return false;
    return true;
}

} // namespace

class GameMenu : public testing::Test {
protected:
    GameSession session;
    const ImageFile& button = session.buttonImage;
    ImageFile cursor = ImageFile::load(dataFile("textures/ui/mouse.png"));
};

TEST_F(GameMenu, FourLabelledButtonsWhereTheLayoutPutsThem)
{
    // Away from the buttons, so that none shows its hover look.
    session.moveMouse(session.screenFromGL(100, 100));
    const Screenshot shot =
        session.waitForScreen([&](const Screenshot& s) { return allButtonsShown(s, session, button); }, screenTimeout);
    GameSession::saveScreen("main_menu");
    for (int row = 0; row < mainMenuRows; ++row) {
        EXPECT_TRUE(buttonShows(shot, session, button, row)) << "row " << row;
        EXPECT_GT(labelPixels(shot, session, button, row), minimumLabelPixels) << "row " << row << " has no label";
    }
    EXPECT_FALSE(buttonShows(shot, session, button, mainMenuRows)) << "a fifth button";
}

TEST_F(GameMenu, CursorIsDrawnWithItsTipAtTheMouse)
{
    const ScreenPoint at = session.screenFromGL(200, 200);
    session.moveMouse(at);
    const auto cursorShown = [&](const Screenshot& s) {
        const ImageMatch match = matchImage(s, at, cursor, 255, cursorTolerance);
        return match.compared > 0 && match.mismatched == 0;
    };
    const Screenshot shot = session.waitForScreen(cursorShown, screenTimeout);
    EXPECT_TRUE(cursorShown(shot));

    const ScreenPoint elsewhere = session.screenFromGL(300, 150);
    session.moveMouse(elsewhere);
    const Screenshot moved = session.waitForScreen(
        [&](const Screenshot& s) { return matchImage(s, elsewhere, cursor, 255, cursorTolerance).mismatched == 0; },
        screenTimeout);
    EXPECT_GT(matchImage(moved, at, cursor, 255, cursorTolerance).mismatched, 0) << "the cursor follows the mouse";
}

TEST_F(GameMenu, EndGameEndsTheProgramWithCodeZero)
{
    ASSERT_TRUE(session.clickButton(endGameRow));
    const std::optional<ExitStatus> status = session.game.waitForExit(exitTimeout);
    ASSERT_TRUE(status) << "still running after End Game";
    EXPECT_TRUE(status->exitedWith(0)) << "code " << status->code << ", signal " << status->signal;
    EXPECT_EQ(session.game.errorText(), "");
}

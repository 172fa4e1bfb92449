#include "tests/e2e/GameSession.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <thread>

using namespace E2E;

namespace {

constexpr int mapEditorRow = 1;
constexpr int resumeRow = 0;
constexpr int backToMenuRow = 1;
constexpr Duration screenTimeout(15000);
constexpr Duration lineTimeout(10000);
constexpr int barHeight = 64;
// The read-outs, the tool icons and the tool's line of text take the left
// part of the bar.
constexpr int barTextWidth = 1100;
constexpr int cursorTolerance = 8;

// From the editor camera's starting place a large level block fills the
// right half of the window below the bar, and nothing but sky is under the
// middle of the bottom edge.
constexpr int blockGLX = 1000;
constexpr int blockGLY = 220;
constexpr int skyGLX = 640;
constexpr int skyGLY = 60;
constexpr int regionRadius = 20;
constexpr int changedPixels = 200;

bool barShown(const Screenshot& shot, const GameSession& session)
{
    for (int y = 2; y < barHeight - 2; y += 4)
        for (int x = barTextWidth; x < session.geometry.width; x += 8) {
            const Rgb p = shot.pixel(session.geometry.x + x, session.geometry.y + y);
            if (p.r != 0 || p.g != 0 || p.b != 0) return false;
        }
    return true;
}

// Pixels around the point that differ clearly between the two screens.
int differingPixels(const Screenshot& a, const Screenshot& b, ScreenPoint centre)
{
    int differing = 0;
    for (int y = centre.y - regionRadius; y <= centre.y + regionRadius; ++y)
        for (int x = centre.x - regionRadius; x <= centre.x + regionRadius; ++x)
            if (!closeTo(a.pixel(x, y), b.pixel(x, y), 24)) ++differing;
    return differing;
}

} // namespace

class GameEditor : public testing::Test {
protected:
    Screenshot enterEditor()
    {
        EXPECT_TRUE(session.clickButton(mapEditorRow));
        // Off the block and off the menu rows, so the cursor hides nothing compared.
        session.moveMouse(session.screenFromGL(100, 600));
        std::this_thread::sleep_for(GameSession::settle);
        return session.waitForScreen([&](const Screenshot& s) { return barShown(s, session); }, screenTimeout);
    }

    GameSession session;
    const ImageFile& button = session.buttonImage;
    ImageFile cursor = ImageFile::load(dataFile("textures/ui/mouse.png"));
};

TEST_F(GameEditor, MapEditorShowsTheBlackBarAlongTheTop)
{
    const Screenshot shot = enterEditor();
    GameSession::saveScreen("editor");
    EXPECT_TRUE(barShown(shot, session));
    EXPECT_FALSE(buttonShows(shot, session, button, mapEditorRow)) << "the main menu is gone";
}

TEST_F(GameEditor, ClickOnABlockSelectsItAndAClickOnTheSkyClearsIt)
{
    const Screenshot before = enterEditor();
    const ScreenPoint block = session.screenFromGL(blockGLX, blockGLY);

    ASSERT_TRUE(session.clickUntilLine(block, "SHOOT:", lineTimeout)) << session.game.outputText();
    const std::optional<std::string> hit = session.game.waitForLineStartingWith("HIT: ", lineTimeout);
    ASSERT_TRUE(hit) << session.game.outputText();
    const int hitEntity = std::stoi(hit->substr(5));
    EXPECT_GT(hitEntity, 4) << "a level block, not the player or a camera";
    EXPECT_LT(hitEntity, 161) << "a level block, not the floor";

    session.moveMouse(session.screenFromGL(100, 600));
    const Screenshot selected = session.waitForScreen(
        [&](const Screenshot& s) { return differingPixels(before, s, block) > changedPixels; }, screenTimeout);
    GameSession::saveScreen("editor_selection");
    EXPECT_GT(differingPixels(before, selected, block), changedPixels) << "no selection overlay on the block";

    ASSERT_TRUE(session.clickUntilLine(session.screenFromGL(skyGLX, skyGLY), "SHOOT:", lineTimeout));
    session.moveMouse(session.screenFromGL(100, 600));
    const Screenshot cleared = session.waitForScreen(
        [&](const Screenshot& s) { return differingPixels(before, s, block) < changedPixels / 10; }, screenTimeout);
    EXPECT_LT(differingPixels(before, cleared, block), changedPixels / 10) << "the overlay stays";
    const std::vector<std::string> lines = session.game.outputLines();
    EXPECT_EQ(linesStartingWith(lines, "SHOOT:").size(), 2u);
    EXPECT_EQ(linesStartingWith(lines, "HIT: ").size(), 1u) << "the sky hit something";
}

TEST_F(GameEditor, EscapeOpensTheEditorPauseMenuWithTheCursor)
{
    enterEditor();
    const ScreenPoint mouse = session.screenFromGL(100, 600);
    const Screenshot paused = session.holdKeyUntil(
        "Escape",
        [&](const Screenshot& s) {
            return buttonShows(s, session, button, resumeRow) && buttonShows(s, session, button, backToMenuRow);
        },
        screenTimeout);
    GameSession::saveScreen("editor_pause");
    EXPECT_TRUE(buttonShows(paused, session, button, resumeRow));
    EXPECT_TRUE(buttonShows(paused, session, button, backToMenuRow));
    EXPECT_TRUE(barShown(paused, session)) << "the bar stays behind the pause menu";
    EXPECT_EQ(matchImage(paused, mouse, cursor, 255, cursorTolerance).mismatched, 0) << "no cursor";
}

#include "tests/e2e/GameSession.h"
#include "tests/e2e/XInput.h"

#include <gtest/gtest.h>

#include <thread>

using namespace E2E;

namespace {

constexpr int singleplayerRow = 0;
constexpr int resumeRow = 0;
constexpr int backToMenuRow = 1;
constexpr int mainMenuRows = 4;
constexpr Duration screenTimeout(15000);
constexpr Duration landingTimeout(20000);
constexpr Duration walkTime(1500);
constexpr int crosshairSize = 12;
constexpr int crosshairTolerance = 8;
constexpr int cursorTolerance = 8;

// The speed read-out hangs from 32 pixels below the top edge, one text line
// high; the frame rate sits above it.
constexpr int speedTop = 34;
constexpr int speedBottom = 62;
constexpr int speedWidth = 320;
// Mouse pixels downwards that turn the view down onto the floor, where no
// pixel is pure white: the read-out's glyphs are the only ones.
constexpr int lookDownPixels = 160;

// The rightmost column of the read-out holding a pure white pixel; -1 if none.
int speedTextRightEdge(const Screenshot& shot, const GameSession& session)
{
    int right = -1;
    for (int y = speedTop; y < speedBottom; ++y)
        for (int x = 0; x < speedWidth; ++x) {
            const Rgb p = shot.pixel(session.geometry.x + x, session.geometry.y + y);
            if (p.r == 255 && p.g == 255 && p.b == 255 && x > right) right = x;
        }
    return right;
}

} // namespace

class GameSingleplayer : public testing::Test {
protected:
    ScreenPoint crosshairCorner() const
    {
        const ScreenPoint centre = session.windowCentre();
        return ScreenPoint{centre.x - crosshairSize / 2, centre.y - crosshairSize / 2};
    }

    bool crosshairShown(const Screenshot& shot) const
    {
        const ImageMatch match = matchImage(shot, crosshairCorner(), crosshair, 255, crosshairTolerance);
        return match.compared > 0 && match.mismatched == 0;
    }

    void startPlaying()
    {
        EXPECT_TRUE(session.clickButton(singleplayerRow));
        session.waitForScreen([&](const Screenshot& s) { return crosshairShown(s); }, screenTimeout);
    }

    GameSession session;
    const ImageFile& button = session.buttonImage;
    const ImageFile& buttonHover = session.buttonHoverImage;
    ImageFile crosshair = ImageFile::load(dataFile("textures/crosshair.png"));
    ImageFile cursor = ImageFile::load(dataFile("textures/ui/mouse.png"));
};

TEST_F(GameSingleplayer, PlayerLandsAndSingleplayerShowsCrosshairAndSpeed)
{
    EXPECT_TRUE(session.game.waitForLineStartingWith("OnEnter ", landingTimeout)) << session.game.outputText();
    startPlaying();
    std::this_thread::sleep_for(GameSession::settle);
    session.moveMouseBy(0, lookDownPixels, 8);
    const Screenshot shot = session.waitForScreen(
        [&](const Screenshot& s) { return crosshairShown(s) && speedTextRightEdge(s, session) > 0; }, screenTimeout);
    GameSession::saveScreen("singleplayer");
    EXPECT_TRUE(crosshairShown(shot)) << "no crosshair in the middle of the window";
    EXPECT_GT(speedTextRightEdge(shot, session), 0) << "no speed read-out at the top left";
    for (int row = 0; row < mainMenuRows; ++row)
        EXPECT_FALSE(buttonShows(shot, session, button, row)) << "menu row " << row << " still shown";
}

TEST_F(GameSingleplayer, HoldingWRaisesTheSpeedShown)
{
    startPlaying();
    // The first frames of play are slow to come (new programs are compiled
    // on first use): input in them may be missed.
    std::this_thread::sleep_for(GameSession::settle);
    session.moveMouseBy(0, lookDownPixels, 8);
    std::this_thread::sleep_for(GameSession::settle);
    // Out of the character standing at the start, then to a stop: both
    // screens below show the floor behind the read-out.
    XInput::keyDown("w");
    std::this_thread::sleep_for(walkTime);
    XInput::keyUp("w");
    std::this_thread::sleep_for(GameSession::settle);
    const int standing = speedTextRightEdge(Screenshot::capture(), session);
    ASSERT_GT(standing, 0);

    // Walking back, "Speed: 0 km/h" becomes a two-digit speed: one digit wider.
    XInput::keyDown("s");
    const Screenshot walking = session.waitForScreen(
        [&](const Screenshot& s) { return speedTextRightEdge(s, session) > standing + 4; }, screenTimeout);
    GameSession::saveScreen("singleplayer_walking");
    XInput::keyUp("s");
    EXPECT_GT(speedTextRightEdge(walking, session), standing + 4) << "standing edge " << standing;
}

TEST_F(GameSingleplayer, EscapePausesResumeReturnsAndBackToMenuEndsTheGame)
{
    startPlaying();
    // The mouse is put back in the middle, over Resume.
    const Screenshot paused = session.holdKeyUntil(
        "Escape",
        [&](const Screenshot& s) {
            return buttonShows(s, session, buttonHover, resumeRow) && buttonShows(s, session, button, backToMenuRow);
        },
        screenTimeout);
    GameSession::saveScreen("pause_menu");
    EXPECT_TRUE(buttonShows(paused, session, buttonHover, resumeRow));
    EXPECT_TRUE(buttonShows(paused, session, button, backToMenuRow));
    EXPECT_FALSE(crosshairShown(paused)) << "no crosshair while paused";
    const ImageMatch cursorAtCentre = matchImage(paused, session.windowCentre(), cursor, 255, cursorTolerance);
    EXPECT_GT(cursorAtCentre.compared, 0);
    EXPECT_EQ(cursorAtCentre.mismatched, 0) << "the cursor is shown at the centre";

    ASSERT_TRUE(session.clickButton(resumeRow));
    const Screenshot resumed = session.waitForScreen([&](const Screenshot& s) { return crosshairShown(s); },
                                                     screenTimeout);
    EXPECT_TRUE(crosshairShown(resumed));
    EXPECT_FALSE(buttonShows(resumed, session, button, backToMenuRow)) << "pause menu still shown";

    session.holdKeyUntil(
        "Escape", [&](const Screenshot& s) { return buttonShows(s, session, button, backToMenuRow); }, screenTimeout);
    ASSERT_TRUE(session.clickButton(backToMenuRow));
    session.moveMouse(session.screenFromGL(100, 100));
    const Screenshot menu = session.waitForScreen(
        [&](const Screenshot& s) {
            for (int row = 0; row < mainMenuRows; ++row)
                if (!buttonShows(s, session, button, row)) return false;
            return true;
        },
        screenTimeout);
    GameSession::saveScreen("back_to_menu");
    for (int row = 0; row < mainMenuRows; ++row)
        EXPECT_TRUE(buttonShows(menu, session, button, row)) << "main menu row " << row;
    EXPECT_EQ(session.game.errorText(), "");
}

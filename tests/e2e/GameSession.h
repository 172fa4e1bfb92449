#pragma once

#include "tests/e2e/Desktop.h"
#include "tests/e2e/GameProcess.h"
#include "tests/e2e/Screenshot.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace E2E {

// An RGBA image read from a data file of the game (ImageMagick's convert),
// rows from the top as the file stores them.
struct ImageFile {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> rgba;

    static ImageFile load(const std::string& path);
    Rgb rgb(int x, int y) const;
    uint8_t alpha(int x, int y) const;
    // The rectangle of the image starting at (x, y).
    ImageFile crop(int x, int y, int cropWidth, int cropHeight) const;
};

struct ScreenPoint {
    int x = 0;
    int y = 0;
};

// The running game as a player sees it: started in a run folder, its window
// found and focused once start-up has finished, and driven with real X input.
// Input is held long enough to be seen even at a few frames per second: the
// game samples input once per update step, and all steps of a frame run
// back to back.
class GameSession {
public:
    // Progress line printed last by the game's start-up.
    static constexpr const char* lastStartupLine = "FLOOR ID: 161";
    static constexpr Duration hold{700};
    static constexpr Duration settle{1500};

    explicit GameSession(const GameLaunch& launch = GameLaunch{});

    // Window pixels with the origin at the bottom left (as the game lays out
    // its interface) on the screen.
    ScreenPoint screenFromGL(int glX, int glY) const;
    ScreenPoint windowCentre() const;

    void moveMouse(ScreenPoint at);
    // Moves there, presses the left button, holds, releases, and stays there
    // a moment so the release is seen at that place.
    void clickAt(ScreenPoint at);
    // Clicks a menu button the way a player does: moves onto it and waits
    // until it shows its hover look, presses and waits for its pressed look,
    // releases. So the click is seen however slowly the frames come.
    bool clickButton(int row);
    void pressKey(const std::string& key);
    // Holds the key down until the screen passes the check (so the press is
    // seen however slowly the frames come); the last screenshot.
    Screenshot holdKeyUntil(const std::string& key, const std::function<bool(const Screenshot&)>& check,
                            Duration timeout);
    // Presses the left button there and holds it until the game prints a line
    // starting with the prefix; that line, if it came.
    std::optional<std::string> clickUntilLine(ScreenPoint at, const std::string& prefix, Duration timeout);
    // Relative mouse motion in small steps, as a hand moves a mouse.
    void moveMouseBy(int dx, int dy, int parts);

    // Polls screenshots until the check holds; the last screenshot either way.
    Screenshot waitForScreen(const std::function<bool(const Screenshot&)>& check, Duration timeout);
    // Writes the screen as <build>/screenshots/<name>.png for a person to look at.
    static void saveScreen(const std::string& name);

    // Closes the window and waits for the end of the program.
    std::optional<ExitStatus> close(Duration timeout);

    Desktop desktop;
    GameProcess game;
    ImageFile buttonImage;
    ImageFile buttonHoverImage;
    ImageFile buttonPressedImage;
    WindowId window = 0;
    WindowGeometry geometry;
};

// Pixels of the screenshot at `origin` compared with the image's pixels of at
// least `minimumAlpha`: how many differ by more than the tolerance, and how
// many were compared.
struct ImageMatch {
    int compared = 0;
    int mismatched = 0;
};
ImageMatch matchImage(const Screenshot& shot, ScreenPoint origin, const ImageFile& image, uint8_t minimumAlpha,
                      int tolerance);

// The menus' button rows as the layout puts them: the first centred in the
// window, each further one 64 pixels lower; top-left corners on the screen.
ScreenPoint buttonTopLeft(const GameSession& session, const ImageFile& button, int row);
ScreenPoint buttonCentre(const GameSession& session, const ImageFile& button, int row);

// Whether the button at the row shows the image at both ends (the label sits
// in the middle).
bool buttonShows(const Screenshot& shot, const GameSession& session, const ImageFile& image, int row);

// Pixels brighter than the button image ever is, in the middle of the row:
// the label.
int labelPixels(const Screenshot& shot, const GameSession& session, const ImageFile& button, int row);

std::vector<std::string> linesStartingWith(const std::vector<std::string>& lines, const std::string& prefix);

// The run folder's data file at the given path relative to ./data.
std::string dataFile(const std::string& relativePath);

} // namespace E2E

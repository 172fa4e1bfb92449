#include "tests/e2e/GameSession.h"

#include "tests/e2e/XInput.h"

#include <chrono>
#include <filesystem>
#include <sstream>
#include <stdexcept>
#include <thread>

namespace E2E {

namespace {

constexpr const char* windowTitle = "^Engine$";
constexpr Duration pollInterval(200);
constexpr Duration buttonTimeout(15000);
constexpr int channels = 4;
constexpr int buttonSpacing = 64;
// The part of a button at each end that no label reaches.
constexpr int buttonEndWidth = 24;
constexpr uint8_t opaque = 255;
constexpr int buttonTolerance = 6;
// The button images stay darker than this; labels are white.
constexpr uint8_t labelBrightness = 200;

} // namespace

ImageFile ImageFile::load(const std::string& path)
{
    std::istringstream size(runCheckedCommand({"identify", "-format", "%w %h", path}));
    ImageFile image;
    size >> image.width >> image.height;
    const std::string bytes = runCheckedCommand({"convert", path, "-depth", "8", "rgba:-"});
    if (image.width <= 0 || bytes.size() != static_cast<size_t>(image.width) * image.height * channels)
        throw std::runtime_error("cannot read the image " + path);
    image.rgba.assign(bytes.begin(), bytes.end());
    return image;
}

Rgb ImageFile::rgb(int x, int y) const
{
    const size_t at = (static_cast<size_t>(y) * width + x) * channels;
    return Rgb{rgba[at], rgba[at + 1], rgba[at + 2]};
}

uint8_t ImageFile::alpha(int x, int y) const
{
    return rgba[(static_cast<size_t>(y) * width + x) * channels + 3];
}

ImageFile ImageFile::crop(int x, int y, int cropWidth, int cropHeight) const
{
    ImageFile part;
    part.width = cropWidth;
    part.height = cropHeight;
    for (int row = y; row < y + cropHeight; ++row) {
        const auto start = rgba.begin() + (static_cast<size_t>(row) * width + x) * channels;
        part.rgba.insert(part.rgba.end(), start, start + static_cast<size_t>(cropWidth) * channels);
    }
    return part;
}

// The desktop watches for the window before the game starts.
GameSession::GameSession(const GameLaunch& launch) : game((desktop.watchNewWindows(), launch))
{
    if (!game.waitForLine(lastStartupLine, startupTimeout))
        throw std::runtime_error("start-up did not finish:\n" + game.outputText() + game.errorText());
    const std::optional<WindowId> found = desktop.findWindow(windowTitle, startupTimeout);
    if (!found) throw std::runtime_error("no game window");
    window = *found;
    desktop.focus(window);
    geometry = desktop.geometry(window).value();
    buttonImage = ImageFile::load(dataFile("textures/ui/button.png"));
    buttonHoverImage = ImageFile::load(dataFile("textures/ui/button_hover.png"));
    buttonPressedImage = ImageFile::load(dataFile("textures/ui/button_down.png"));
    // The first frames after loading take longest.
    std::this_thread::sleep_for(settle);
}

ScreenPoint GameSession::screenFromGL(int glX, int glY) const
{
    return ScreenPoint{geometry.x + glX, geometry.y + geometry.height - 1 - glY};
}

ScreenPoint GameSession::windowCentre() const
{
    return ScreenPoint{geometry.x + geometry.width / 2, geometry.y + geometry.height / 2};
}

void GameSession::moveMouse(ScreenPoint at)
{
    XInput::mouseMove(at.x, at.y);
}

void GameSession::clickAt(ScreenPoint at)
{
    moveMouse(at);
    std::this_thread::sleep_for(hold);
    XInput::click(1, hold);
    std::this_thread::sleep_for(hold);
}

bool GameSession::clickButton(int row)
{
    moveMouse(buttonCentre(*this, buttonImage, row));
    const Screenshot hovered = waitForScreen(
        [&](const Screenshot& s) { return buttonShows(s, *this, buttonHoverImage, row); }, buttonTimeout);
    XInput::mouseDown(1);
    const Screenshot pressed = waitForScreen(
        [&](const Screenshot& s) { return buttonShows(s, *this, buttonPressedImage, row); }, buttonTimeout);
    XInput::mouseUp(1);
    // The release counts only where it is seen: stay until it has been.
    std::this_thread::sleep_for(hold);
    return buttonShows(hovered, *this, buttonHoverImage, row) && buttonShows(pressed, *this, buttonPressedImage, row);
}

void GameSession::pressKey(const std::string& key)
{
    XInput::tapKey(key, hold);
}

Screenshot GameSession::holdKeyUntil(const std::string& key, const std::function<bool(const Screenshot&)>& check,
                                    Duration timeout)
{
    XInput::keyDown(key);
    const Screenshot shot = waitForScreen(check, timeout);
    XInput::keyUp(key);
    std::this_thread::sleep_for(hold);
    return shot;
}

std::optional<std::string> GameSession::clickUntilLine(ScreenPoint at, const std::string& prefix, Duration timeout)
{
    const size_t seenBefore = linesStartingWith(game.outputLines(), prefix).size();
    moveMouse(at);
    std::this_thread::sleep_for(hold);
    XInput::mouseDown(1);
    std::optional<std::string> line;
    const auto until = std::chrono::steady_clock::now() + timeout;
    while (!line && std::chrono::steady_clock::now() < until) {
        const std::vector<std::string> lines = linesStartingWith(game.outputLines(), prefix);
        if (lines.size() > seenBefore)
            line = lines[seenBefore];
        else
            std::this_thread::sleep_for(pollInterval);
    }
    XInput::mouseUp(1);
    std::this_thread::sleep_for(hold);
    return line;
}

void GameSession::moveMouseBy(int dx, int dy, int parts)
{
    for (int i = 0; i < parts; ++i) {
        XInput::mouseMoveRelative(dx / parts, dy / parts);
        std::this_thread::sleep_for(Duration(50));
    }
}

Screenshot GameSession::waitForScreen(const std::function<bool(const Screenshot&)>& check, Duration timeout)
{
    const auto until = std::chrono::steady_clock::now() + timeout;
    Screenshot shot = Screenshot::capture();
    while (!check(shot) && std::chrono::steady_clock::now() < until) {
        std::this_thread::sleep_for(pollInterval);
        shot = Screenshot::capture();
    }
    return shot;
}

void GameSession::saveScreen(const std::string& name)
{
    const std::filesystem::path folder(GAME_SCREENSHOT_DIR);
    std::filesystem::create_directories(folder);
    runCheckedCommand({"import", "-window", "root", (folder / (name + ".png")).string()});
}

std::optional<ExitStatus> GameSession::close(Duration timeout)
{
    desktop.closeWindow(window);
    return game.waitForExit(timeout);
}

ImageMatch matchImage(const Screenshot& shot, ScreenPoint origin, const ImageFile& image, uint8_t minimumAlpha,
                      int tolerance)
{
    ImageMatch match;
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            if (image.alpha(x, y) < minimumAlpha) continue;
            ++match.compared;
            if (!closeTo(shot.pixel(origin.x + x, origin.y + y), image.rgb(x, y), tolerance)) ++match.mismatched;
        }
    }
    return match;
}

ScreenPoint buttonTopLeft(const GameSession& session, const ImageFile& button, int row)
{
    const int x = session.geometry.width / 2 - button.width / 2;
    const int bottom = session.geometry.height / 2 - button.height / 2 - row * buttonSpacing;
    return session.screenFromGL(x, bottom + button.height - 1);
}

ScreenPoint buttonCentre(const GameSession& session, const ImageFile& button, int row)
{
    const ScreenPoint corner = buttonTopLeft(session, button, row);
    return ScreenPoint{corner.x + button.width / 2, corner.y + button.height / 2};
}

bool buttonShows(const Screenshot& shot, const GameSession& session, const ImageFile& image, int row)
{
    const ScreenPoint corner = buttonTopLeft(session, image, row);
    const ImageFile left = image.crop(0, 0, buttonEndWidth, image.height);
    const ImageFile right = image.crop(image.width - buttonEndWidth, 0, buttonEndWidth, image.height);
    const ImageMatch leftMatch = matchImage(shot, corner, left, opaque, buttonTolerance);
    const ScreenPoint rightCorner{corner.x + image.width - buttonEndWidth, corner.y};
    const ImageMatch rightMatch = matchImage(shot, rightCorner, right, opaque, buttonTolerance);
    return leftMatch.compared > 0 && leftMatch.mismatched == 0 && rightMatch.mismatched == 0;
}

int labelPixels(const Screenshot& shot, const GameSession& session, const ImageFile& button, int row)
{
    const ScreenPoint corner = buttonTopLeft(session, button, row);
    int bright = 0;
    for (int y = corner.y; y < corner.y + button.height; ++y)
        for (int x = corner.x + buttonEndWidth; x < corner.x + button.width - buttonEndWidth; ++x) {
            const Rgb p = shot.pixel(x, y);
            if (p.r > labelBrightness && p.g > labelBrightness && p.b > labelBrightness) ++bright;
        }
    return bright;
}

std::vector<std::string> linesStartingWith(const std::vector<std::string>& lines, const std::string& prefix)
{
    std::vector<std::string> found;
    for (const std::string& line : lines)
        if (line.rfind(prefix, 0) == 0) found.push_back(line);
    return found;
}

std::string dataFile(const std::string& relativePath)
{
    return (std::filesystem::path(gameRunDir()) / "data" / relativePath).string();
}

} // namespace E2E

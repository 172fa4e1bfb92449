#include "tests/e2e/Desktop.h"

#include <X11/Xlib.h>

#include <stdexcept>

namespace E2E {

namespace {

// xdotool getwindowgeometry --shell prints lines such as "WIDTH=640".
std::optional<WindowGeometry> parseShellGeometry(const std::string& text)
{
    WindowGeometry geometry;
    int found = 0;
    for (const std::string& line : splitLines(text, true)) {
        const auto equals = line.find('=');
        if (equals == std::string::npos)
            continue;
        const std::string name = line.substr(0, equals);
        const int value = std::stoi(line.substr(equals + 1));
        int* field = name == "X" ? &geometry.x
            : name == "Y"        ? &geometry.y
            : name == "WIDTH"    ? &geometry.width
            : name == "HEIGHT"   ? &geometry.height
                                 : nullptr;
        if (field != nullptr) {
            *field = value;
            ++found;
        }
    }
    return found == 4 ? std::optional<WindowGeometry>(geometry) : std::nullopt;
}

} // namespace

Desktop::Desktop() : display(XOpenDisplay(nullptr))
{
    if (display == nullptr)
        throw std::runtime_error("cannot open the X display (is DISPLAY set?)");
}

Desktop::~Desktop()
{
    XCloseDisplay(display);
}

void Desktop::watchNewWindows()
{
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);
}

void Desktop::collectCreatedWindows()
{
    XSync(display, False);
    while (XPending(display) > 0) {
        XEvent event;
        XNextEvent(display, &event);
        if (event.type != CreateNotify)
            continue;
        const XCreateWindowEvent& created = event.xcreatewindow;
        createdWindows[created.window] = WindowGeometry{created.x, created.y, created.width, created.height};
    }
}

std::optional<WindowGeometry> Desktop::creationGeometry(WindowId window)
{
    collectCreatedWindows();
    const auto found = createdWindows.find(window);
    if (found == createdWindows.end())
        return std::nullopt;
    return found->second;
}

std::optional<WindowId> Desktop::findWindow(const std::string& titlePattern, Duration timeout)
{
    const CommandResult result = runCommand({"xdotool", "search", "--sync", "--name", titlePattern}, timeout);
    if (!result.succeeded())
        return std::nullopt;
    const std::vector<std::string> ids = splitLines(result.output, true);
    if (ids.empty())
        return std::nullopt;
    return std::stoul(ids.front());
}

std::optional<WindowGeometry> Desktop::geometry(WindowId window)
{
    const CommandResult result = runCommand({"xdotool", "getwindowgeometry", "--shell", std::to_string(window)});
    if (!result.succeeded())
        return std::nullopt;
    return parseShellGeometry(result.output);
}

void Desktop::focus(WindowId window)
{
    runCheckedCommand({"xdotool", "windowfocus", "--sync", std::to_string(window)});
}

void Desktop::closeWindow(WindowId window)
{
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(display, window, False, NoEventMask, &event);
    XFlush(display);
}

} // namespace E2E

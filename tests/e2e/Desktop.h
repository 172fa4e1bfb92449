#pragma once

#include "tests/e2e/ChildProcess.h"

#include <map>
#include <optional>
#include <string>

typedef struct _XDisplay Display;

namespace E2E {

using WindowId = unsigned long;

struct WindowGeometry {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

// The X server the test runs against ($DISPLAY, a private Xvfb without a
// window manager): finding windows, their sizes, focus, and closing a window
// the way a window manager does.
class Desktop {
public:
    // Throws std::runtime_error when no X server is reachable.
    Desktop();
    ~Desktop();
    Desktop(const Desktop&) = delete;
    Desktop& operator=(const Desktop&) = delete;

    // Records every top-level window created from now on with its size at
    // creation. Call it before starting the program to observe.
    void watchNewWindows();
    // The geometry a window was created with (seen since watchNewWindows).
    std::optional<WindowGeometry> creationGeometry(WindowId window);

    // The first window whose title matches the regular expression, waiting
    // for it to appear (xdotool search --sync).
    std::optional<WindowId> findWindow(const std::string& titlePattern, Duration timeout);
    std::optional<WindowGeometry> geometry(WindowId window);
    void focus(WindowId window);

    // Sends WM_PROTOCOLS / WM_DELETE_WINDOW, which the window manager sends
    // when the user clicks the close button.
    void closeWindow(WindowId window);

private:
    void collectCreatedWindows();

    Display* display;
    std::map<WindowId, WindowGeometry> createdWindows;
};

} // namespace E2E

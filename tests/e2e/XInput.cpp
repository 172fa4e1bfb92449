#include "tests/e2e/XInput.h"

#include <thread>
#include <vector>

namespace E2E::XInput {

namespace {

void xdotool(const std::vector<std::string>& arguments)
{
    std::vector<std::string> argv{"xdotool"};
    argv.insert(argv.end(), arguments.begin(), arguments.end());
    runCheckedCommand(argv);
}

} // namespace

void keyDown(const std::string& key)
{
    xdotool({"keydown", key});
}

void keyUp(const std::string& key)
{
    xdotool({"keyup", key});
}

void tapKey(const std::string& key, Duration hold)
{
    keyDown(key);
    std::this_thread::sleep_for(hold);
    keyUp(key);
}

void mouseMove(int x, int y)
{
    xdotool({"mousemove", std::to_string(x), std::to_string(y)});
}

void mouseMoveRelative(int dx, int dy)
{
    // "--" keeps a negative offset from reading as an option.
    xdotool({"mousemove_relative", "--", std::to_string(dx), std::to_string(dy)});
}

void mouseDown(int button)
{
    xdotool({"mousedown", std::to_string(button)});
}

void mouseUp(int button)
{
    xdotool({"mouseup", std::to_string(button)});
}

void click(int button, Duration hold)
{
    mouseDown(button);
    std::this_thread::sleep_for(hold);
    mouseUp(button);
}

} // namespace E2E::XInput

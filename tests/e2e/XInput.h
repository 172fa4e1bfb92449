#pragma once

#include "tests/e2e/ChildProcess.h"

#include <string>

// Keyboard and mouse input through the X server's XTEST extension
// (xdotool without --window), which reaches the focused window as real
// input. The game samples input once per 10 ms step, so a press must be
// held longer than that to be seen.
namespace E2E::XInput {

constexpr Duration defaultHold(150);

// Keys by X keysym name: "w", "Escape", "space", "Return".
void keyDown(const std::string& key);
void keyUp(const std::string& key);
void tapKey(const std::string& key, Duration hold = defaultHold);

// Buttons: 1 left, 2 middle, 3 right, 4 and 5 the wheel up and down.
void mouseMove(int x, int y);
void mouseMoveRelative(int dx, int dy);
void mouseDown(int button);
void mouseUp(int button);
void click(int button, Duration hold = defaultHold);

} // namespace E2E::XInput

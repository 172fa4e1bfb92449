#pragma once

#include "Game/Scene/Camera.h"

// The camera records the resource set builds from the window size, at
// start-up and again whenever the window's size changes.
namespace Game {

// Perspective, 110 degrees, near 0.01, far 2000, looking from (4, 4, 4) at the
// origin with +Z up. Camera components of the game start from it.
Camera makeDefaultCamera(float width, float height);

// Window pixels with the origin at the bottom-left, depth -10 .. 10: every 2D
// drawing (interface, texts, cursor) goes through it.
Camera makeUiCamera(float width, float height);

// Perspective, 45 degrees, near 0.1, far 200, looking from the origin along +Y.
Camera makeSecondCamera(float width, float height);

} // namespace Game

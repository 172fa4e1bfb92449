#pragma once

#include <ostream>

namespace Game {

// Runs the whole program: the engine with the game controller until the
// window is closed or the game ends. Returns the process exit code: 0 after
// a normal end; non-zero when the engine could not get a window with an
// OpenGL 3.3 core context, or when start-up met a data file it cannot use,
// which is reported on `errors` as one line naming the file.
int runGame(std::ostream& errors);

} // namespace Game

#pragma once

#include <cstdint>
#include <functional>
#include <ostream>
#include <string>

namespace Game {

// GL errors never stop the game: once per update step every pending error is
// taken from GL and written as one line, "GL_<NAME> - GameController:376".

// "INVALID_ENUM", "INVALID_VALUE", "INVALID_OPERATION", "OUT_OF_MEMORY",
// "INVALID_FRAMEBUFFER_OPERATION"; empty for any other code.
std::string glErrorName(uint32_t code);

std::string glErrorLine(uint32_t code);

// Writes one line per code that nextError returns until it returns 0;
// returns the number of lines written.
int reportErrors(const std::function<uint32_t()>& nextError, std::ostream& out);

// The same with glGetError, onto standard error.
int drainGLErrors();

} // namespace Game

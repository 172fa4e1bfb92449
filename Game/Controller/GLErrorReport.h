#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace Game {

// GL errors never stop the game: once per update step every pending error is
// taken from GL and written as one line, "GL_<NAME> - GameController:376".

// "INVALID_ENUM", "INVALID_VALUE", "INVALID_OPERATION", "OUT_OF_MEMORY",
// "INVALID_FRAMEBUFFER_OPERATION"; empty for any other code.
std::string glErrorName(uint32_t code);

std::string glErrorLine(uint32_t code);

// Reports one line per code that nextError returns until it returns 0;
// returns the number of lines reported.
int reportErrors(const std::function<uint32_t()>& nextError, const std::function<void(const std::string&)>& report);

// The same with glGetError, onto the log's error stream.
int drainGLErrors();

} // namespace Game

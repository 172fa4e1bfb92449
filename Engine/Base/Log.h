#pragma once

#include <string>

namespace Engine {

// Progress lines: the text and "\n" on standard output, without an explicit
// flush (a test that reads the lines while the program runs gives it a
// pseudo-terminal or line buffering).
void log(const std::string& text);

// Error lines: the text and "\n" on standard error, which is unbuffered, so
// the line is out even if the program stops right after.
void logError(const std::string& text);

} // namespace Engine

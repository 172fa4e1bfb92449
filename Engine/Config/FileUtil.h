#pragma once

#include <string>
#include <vector>

// Text files and the string helpers shared by the loaders (INI, font,
// shader sources). An unreadable file is never an error for the caller.
namespace FileUtil {

// The whole text, each line followed by "\n"; empty when the file cannot be
// opened, without a message.
std::string readFile(const std::string& path);

// The lines without their terminators; an unreadable file gives no lines
// after logging missingFileMessage(path).
std::vector<std::string> readLines(const std::string& path);

std::string missingFileMessage(const std::string& path);

// Writes the text to a temporary file beside the path and renames it over
// the path, so a reader never sees half a file. Returns the problem, or an
// empty text when the file was written.
std::string replaceFile(const std::string& path, const std::string& text);

// The non-empty pieces between occurrences of the delimiter.
std::vector<std::string> split(std::string text, char delimiter);

// White space is what isspace accepts.
std::string trimLeft(std::string text);
std::string trimRight(std::string text);

} // namespace FileUtil

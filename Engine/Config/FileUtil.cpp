#include "Engine/Config/FileUtil.h"

#include "Engine/Base/Log.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>

namespace FileUtil {

namespace {

bool isSpace(char c)
{
    return std::isspace(static_cast<unsigned char>(c)) != 0;
}

// Reads line by line; a carriage return ending a line that a line feed
// ends too belongs to the terminator, not to the line.
bool readLinesFrom(const std::string& path, std::vector<std::string>& lines)
{
    // A folder opens like a file and reads as empty: it counts as missing.
    std::error_code error;
    if (std::filesystem::is_directory(path, error))
        return false;
    std::ifstream file(path);
    if (!file.is_open())
        return false;
    std::string line;
    while (std::getline(file, line)) {
        const bool endedByLineFeed = !file.eof();
        if (endedByLineFeed && !line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(line);
    }
    return true;
}

} // namespace

std::string readFile(const std::string& path)
{
    std::vector<std::string> lines;
    readLinesFrom(path, lines);
    std::string text;
    for (const std::string& line : lines)
        text += line + "\n";
    return text;
}

std::vector<std::string> readLines(const std::string& path)
{
    std::vector<std::string> lines;
    if (!readLinesFrom(path, lines))
        Engine::log(missingFileMessage(path));
    return lines;
}

std::string missingFileMessage(const std::string& path)
{
    return "MISSING FILE: " + path;
}

std::string replaceFile(const std::string& path, const std::string& text)
{
    const std::string temporary = path + ".tmp";
    std::FILE* file = std::fopen(temporary.c_str(), "wb");
    if (file == nullptr) return std::strerror(errno);
    const bool written = std::fwrite(text.data(), 1, text.size(), file) == text.size();
    const int writeError = errno;
    if (std::fclose(file) != 0 || !written) {
        std::remove(temporary.c_str());
        return std::strerror(written ? errno : writeError);
    }
    if (std::rename(temporary.c_str(), path.c_str()) != 0) {
        const int renameError = errno;
        std::remove(temporary.c_str());
        return std::strerror(renameError);
    }
    return "";
}

std::vector<std::string> split(std::string text, char delimiter)
{
    std::vector<std::string> pieces;
    std::string::size_type at = text.find(delimiter);
    while (at != std::string::npos) {
        if (at > 0)
            pieces.push_back(text.substr(0, at));
        text.erase(0, at + 1);
        at = text.find(delimiter);
    }
    if (!text.empty())
        pieces.push_back(text);
    return pieces;
}

std::string trimLeft(std::string text)
{
    text.erase(text.begin(), std::find_if_not(text.begin(), text.end(), isSpace));
    return text;
}

std::string trimRight(std::string text)
{
    text.erase(std::find_if_not(text.rbegin(), text.rend(), isSpace).base(), text.end());
    return text;
}

} // namespace FileUtil

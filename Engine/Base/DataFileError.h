#pragma once

#include <stdexcept>
#include <string>

namespace Engine {

// A data file the program cannot use: missing, truncated or malformed.
// The message names the file and the problem in one line, e.g.
// "./data/models/a.cmesh: truncated: 12 bytes left, vertex data needs 96".
class DataFileError : public std::runtime_error {
public:
    DataFileError(const std::string& path, const std::string& problem)
        : std::runtime_error(printableLine(path + ": " + problem)), filePath(path)
    {
    }

    const std::string& path() const { return filePath; }

private:
    // Problems quote names and values read from the broken file, which may
    // hold line breaks or other control bytes: they are written as \xHH so
    // the message stays one printable line.
    static std::string printableLine(const std::string& text)
    {
        static const char hexDigits[] = "0123456789abcdef";
        std::string line;
        for (const char c : text) {
            const auto byte = static_cast<unsigned char>(c);
            if (byte < 0x20 || byte == 0x7f) {
                line += {'\\', 'x', hexDigits[byte >> 4], hexDigits[byte & 0xf]};
            } else {
                line += c;
            }
        }
        return line;
    }

    std::string filePath;
};

} // namespace Engine

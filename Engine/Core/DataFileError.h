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
        : std::runtime_error(path + ": " + problem), filePath(path)
    {
    }

    const std::string& path() const { return filePath; }

private:
    std::string filePath;
};

} // namespace Engine

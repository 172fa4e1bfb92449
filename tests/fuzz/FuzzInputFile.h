#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace Fuzz {

// The readers under test take paths, so each input is written to a file of
// its own process (two fuzzers, or a fuzzer and a regression run, never share
// one). The file is removed when the object goes away.
class InputFile {
public:
    explicit InputFile(const std::string& tag);
    ~InputFile();

    InputFile(const InputFile&) = delete;
    InputFile& operator=(const InputFile&) = delete;

    // Replaces the file's content with the bytes; returns the path.
    const std::string& write(const uint8_t* data, std::size_t size);

    const std::string& path() const { return filePath; }

private:
    std::string filePath;
};

} // namespace Fuzz

#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "Engine/Base/DataFileError.h"

// File helpers the suites share: a private temporary folder, whole-file byte
// access, a little-endian byte builder and the outcome of a data reader.
namespace TestFiles {

// A fresh folder under the system's temporary folder, removed with the object.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    // The path of `name` inside the folder (not created).
    std::string path(const std::string& name) const { return (root / name).string(); }
    const std::filesystem::path& folder() const { return root; }

private:
    std::filesystem::path root;
};

std::vector<uint8_t> readBytes(const std::string& path);
void writeBytes(const std::string& path, const std::vector<uint8_t>& bytes);
void writeText(const std::string& path, const std::string& text);

// Builds binary files field by field, independently of the writers under test.
struct Bytes {
    std::vector<uint8_t> data;
    Bytes& u8(uint32_t value);
    Bytes& u16(uint32_t value);
    Bytes& u32(uint32_t value);
    Bytes& f32(float value);
    Bytes& text(const std::string& value);
    Bytes& name(const std::string& value); // one length byte, then the text
    Bytes& floats(std::initializer_list<float> values);
};

// The DataFileError message a reader gives for the file, or "accepted".
template <typename Read>
std::string rejection(Read read, const std::string& path)
{
    try {
        read(path);
    } catch (const Engine::DataFileError& error) {
        return error.what();
    }
    return "accepted";
}

} // namespace TestFiles

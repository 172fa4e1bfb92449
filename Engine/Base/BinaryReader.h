#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace Engine::GFX::Mesh {

// Little-endian reader over a whole file held in memory. Every read names the
// field it reads, so a short file is reported as "truncated" at that field
// instead of being read past its end.
class BinaryReader {
public:
    // Throws Engine::DataFileError when the file cannot be opened.
    explicit BinaryReader(const std::string& path);

    const std::string& path() const { return filePath; }
    std::size_t remaining() const { return bytes.size() - offset; }

    // Throws unless `count` records of `recordSize` bytes are left; used to
    // check a count read from the file before anything is allocated for it.
    void require(uint64_t count, uint64_t recordSize, const char* field) const;

    uint8_t readU8(const char* field);
    uint16_t readU16(const char* field);
    uint32_t readU32(const char* field);
    float readF32(const char* field);
    std::string readString(std::size_t length, const char* field);

    // Throws unless every byte has been read.
    void expectEnd() const;

    [[noreturn]] void fail(const std::string& problem) const;

private:
    const uint8_t* take(std::size_t size, const char* field);

    std::string filePath;
    std::vector<uint8_t> bytes;
    std::size_t offset = 0;
};

} // namespace Engine::GFX::Mesh

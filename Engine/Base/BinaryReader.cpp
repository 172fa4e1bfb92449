#include "Engine/Base/BinaryReader.h"

#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "Engine/Base/DataFileError.h"

namespace Engine::GFX::Mesh {

BinaryReader::BinaryReader(const std::string& path) : filePath(path)
{
    std::error_code error;
    if (std::filesystem::is_directory(path, error)) {
        fail("a folder, not a file");
    }
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        fail("cannot open the file");
    }
    bytes.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    if (file.bad()) {
        fail("read error");
    }
}

void BinaryReader::require(uint64_t count, uint64_t recordSize, const char* field) const
{
    // Both factors fit in 32 bits in every caller, so the product cannot wrap.
    const uint64_t needed = count * recordSize;
    if (needed > remaining()) {
        fail("truncated: " + std::string(field) + " needs " + std::to_string(needed) + " bytes, " +
             std::to_string(remaining()) + " left");
    }
}

const uint8_t* BinaryReader::take(std::size_t size, const char* field)
{
    require(1, size, field);
    const uint8_t* start = bytes.data() + offset;
    offset += size;
    return start;
}

uint8_t BinaryReader::readU8(const char* field)
{
    return *take(1, field);
}

uint16_t BinaryReader::readU16(const char* field)
{
    const uint8_t* b = take(2, field);
    return static_cast<uint16_t>(b[0] | (b[1] << 8));
}

uint32_t BinaryReader::readU32(const char* field)
{
    const uint8_t* b = take(4, field);
    return static_cast<uint32_t>(b[0]) | (static_cast<uint32_t>(b[1]) << 8) | (static_cast<uint32_t>(b[2]) << 16) |
           (static_cast<uint32_t>(b[3]) << 24);
}

float BinaryReader::readF32(const char* field)
{
    const uint32_t bits = readU32(field);
    float value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

std::string BinaryReader::readString(std::size_t length, const char* field)
{
    const uint8_t* start = take(length, field);
    return std::string(reinterpret_cast<const char*>(start), length);
}

void BinaryReader::expectEnd() const
{
    if (remaining() != 0) {
        fail(std::to_string(remaining()) + " unexpected bytes after the last field");
    }
}

void BinaryReader::fail(const std::string& problem) const
{
    throw Engine::DataFileError(filePath, problem);
}

} // namespace Engine::GFX::Mesh

#include "tests/support/TestFiles.h"

#include <cstring>
#include <fstream>
#include <iterator>

#include <unistd.h>

namespace TestFiles {

TempDir::TempDir()
{
    static int counter = 0;
    root = std::filesystem::temp_directory_path() /
           ("game-test-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
    std::filesystem::remove_all(root);
    std::filesystem::create_directories(root);
}

TempDir::~TempDir()
{
    std::error_code ignored;
    std::filesystem::remove_all(root, ignored);
}

std::vector<uint8_t> readBytes(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

void writeBytes(const std::string& path, const std::vector<uint8_t>& bytes)
{
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

void writeText(const std::string& path, const std::string& text)
{
    std::ofstream(path, std::ios::binary | std::ios::trunc) << text;
}

Bytes& Bytes::u8(uint32_t value)
{
    data.push_back(static_cast<uint8_t>(value));
    return *this;
}

Bytes& Bytes::u16(uint32_t value)
{
    return u8(value).u8(value >> 8);
}

Bytes& Bytes::u32(uint32_t value)
{
    return u16(value).u16(value >> 16);
}

Bytes& Bytes::f32(float value)
{
    uint32_t raw = 0;
    std::memcpy(&raw, &value, sizeof raw);
    return u32(raw);
}

Bytes& Bytes::text(const std::string& value)
{
    data.insert(data.end(), value.begin(), value.end());
    return *this;
}

Bytes& Bytes::name(const std::string& value)
{
    return u8(static_cast<uint32_t>(value.size())).text(value);
}

Bytes& Bytes::floats(std::initializer_list<float> values)
{
    for (float value : values) f32(value);
    return *this;
}

} // namespace TestFiles

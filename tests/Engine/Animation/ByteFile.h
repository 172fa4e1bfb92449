#pragma once

#include <cstdint>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include <glm/glm.hpp>
#include <gtest/gtest.h>

#include "Engine/Base/DataFileError.h"

// Builds binary test files byte by byte, independently of the writers under test.
struct ByteFile {
    std::vector<uint8_t> bytes;

    ByteFile& u8(uint8_t value)
    {
        bytes.push_back(value);
        return *this;
    }
    ByteFile& u16(uint16_t value)
    {
        return u8(static_cast<uint8_t>(value)).u8(static_cast<uint8_t>(value >> 8));
    }
    ByteFile& f32(float value)
    {
        uint8_t raw[4];
        std::memcpy(raw, &value, 4);
        bytes.insert(bytes.end(), raw, raw + 4); // the test machines are little-endian
        return *this;
    }
    ByteFile& text(const std::string& value)
    {
        bytes.insert(bytes.end(), value.begin(), value.end());
        return *this;
    }
    ByteFile& name(const std::string& value)
    {
        return u8(static_cast<uint8_t>(value.size())).text(value);
    }
    ByteFile& matrix(const glm::mat4& value)
    {
        for (int column = 0; column < 4; ++column) {
            for (int row = 0; row < 4; ++row) f32(value[column][row]);
        }
        return *this;
    }

    void save(const std::string& path, std::size_t length) const
    {
        std::ofstream file(path, std::ios::binary | std::ios::trunc);
        file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(length));
    }
    void save(const std::string& path) const { save(path, bytes.size()); }
};

inline std::vector<uint8_t> readBytes(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

// The reader's error message for the file, or "accepted".
template <typename Reader>
std::string rejection(Reader read, const std::string& path)
{
    try {
        read(path);
    } catch (const Engine::DataFileError& error) {
        return error.what();
    }
    return "accepted";
}

inline std::string testFilePath(const std::string& name)
{
    return ::testing::TempDir() + "animation_test_" + name;
}

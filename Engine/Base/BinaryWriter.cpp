#include "Engine/Base/BinaryWriter.h"

#include <cstring>
#include <fstream>

#include "Engine/Base/DataFileError.h"

namespace Engine::GFX::Mesh {

void BinaryWriter::writeU16(uint16_t value)
{
    bytes.push_back(static_cast<uint8_t>(value));
    bytes.push_back(static_cast<uint8_t>(value >> 8));
}

void BinaryWriter::writeU32(uint32_t value)
{
    for (int shift = 0; shift < 32; shift += 8) {
        bytes.push_back(static_cast<uint8_t>(value >> shift));
    }
}

void BinaryWriter::writeF32(float value)
{
    uint32_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    writeU32(bits);
}

void BinaryWriter::writeBytes(const std::string& text)
{
    bytes.insert(bytes.end(), text.begin(), text.end());
}

void BinaryWriter::save(const std::string& path) const
{
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    if (!file) {
        throw Engine::DataFileError(path, "cannot open the file for writing");
    }
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    file.close();
    if (!file) {
        throw Engine::DataFileError(path, "write error");
    }
}

} // namespace Engine::GFX::Mesh

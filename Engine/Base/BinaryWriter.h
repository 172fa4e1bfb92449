#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace Engine::GFX::Mesh {

// Collects little-endian fields in memory; save() writes them in one go, so a
// failed write never leaves a half-written file that looks complete.
class BinaryWriter {
public:
    void writeU8(uint8_t value) { bytes.push_back(value); }
    void writeU16(uint16_t value);
    void writeU32(uint32_t value);
    void writeF32(float value);
    void writeBytes(const std::string& text);

    // Throws Engine::DataFileError when the file cannot be written.
    void save(const std::string& path) const;

    // The bytes so far, for a caller that writes them itself (atomically).
    std::string text() const { return std::string(bytes.begin(), bytes.end()); }

private:
    std::vector<uint8_t> bytes;
};

} // namespace Engine::GFX::Mesh

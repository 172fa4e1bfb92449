#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace DataGen {

// A mono 16-bit PCM sound, the only form the game's sound files take.
struct PcmSound {
    uint32_t sampleRate = 0;
    std::vector<int16_t> samples;
};

// Writes a canonical 44-byte-header RIFF/WAVE file. Throws
// Engine::DataFileError when the file cannot be written.
void writeWav(const PcmSound& sound, const std::string& path);

// Reads a file written by writeWav; anything else (another format, channel
// count or sample size, a short data chunk) throws Engine::DataFileError
// naming the file and the field.
PcmSound readWav(const std::string& path);

} // namespace DataGen

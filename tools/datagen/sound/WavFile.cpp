#include "tools/datagen/sound/WavFile.h"

#include "Engine/Base/BinaryReader.h"
#include "Engine/Base/BinaryWriter.h"

namespace DataGen {

namespace {
constexpr uint16_t pcmFormat = 1;
constexpr uint16_t monoChannels = 1;
constexpr uint16_t bitsPerSample = 16;
constexpr uint16_t bytesPerSample = bitsPerSample / 8;
constexpr uint32_t fmtChunkSize = 16;
// "WAVE", the fmt chunk's header and body, and the data chunk's header.
constexpr uint32_t headerBytesAfterRiffSize = 4 + 8 + fmtChunkSize + 8;

void expectField(Engine::GFX::Mesh::BinaryReader& file, uint32_t got, uint32_t expected, const char* field)
{
    if (got != expected)
        file.fail(std::string(field) + " is " + std::to_string(got) + ", expected " + std::to_string(expected));
}

void expectTag(Engine::GFX::Mesh::BinaryReader& file, const char* tag)
{
    if (file.readString(4, tag) != tag) file.fail(std::string("no ") + tag + " tag");
}
} // namespace

void writeWav(const PcmSound& sound, const std::string& path)
{
    const auto dataBytes = static_cast<uint32_t>(sound.samples.size() * bytesPerSample);
    Engine::GFX::Mesh::BinaryWriter file;
    file.writeBytes("RIFF");
    file.writeU32(headerBytesAfterRiffSize + dataBytes);
    file.writeBytes("WAVE");
    file.writeBytes("fmt ");
    file.writeU32(fmtChunkSize);
    file.writeU16(pcmFormat);
    file.writeU16(monoChannels);
    file.writeU32(sound.sampleRate);
    file.writeU32(sound.sampleRate * bytesPerSample);
    file.writeU16(bytesPerSample);
    file.writeU16(bitsPerSample);
    file.writeBytes("data");
    file.writeU32(dataBytes);
    for (const int16_t sample : sound.samples) file.writeU16(static_cast<uint16_t>(sample));
    file.save(path);
}

PcmSound readWav(const std::string& path)
{
    Engine::GFX::Mesh::BinaryReader file(path);
    expectTag(file, "RIFF");
    const uint32_t riffSize = file.readU32("RIFF size");
    expectTag(file, "WAVE");
    expectTag(file, "fmt ");
    expectField(file, file.readU32("fmt size"), fmtChunkSize, "fmt size");
    expectField(file, file.readU16("format"), pcmFormat, "format");
    expectField(file, file.readU16("channels"), monoChannels, "channels");
    PcmSound sound;
    sound.sampleRate = file.readU32("sample rate");
    expectField(file, file.readU32("byte rate"), sound.sampleRate * bytesPerSample, "byte rate");
    expectField(file, file.readU16("block align"), bytesPerSample, "block align");
    expectField(file, file.readU16("bits per sample"), bitsPerSample, "bits per sample");
    expectTag(file, "data");
    const uint32_t dataBytes = file.readU32("data size");
    expectField(file, riffSize, headerBytesAfterRiffSize + dataBytes, "RIFF size");
    file.require(dataBytes / bytesPerSample, bytesPerSample, "samples");
    sound.samples.resize(dataBytes / bytesPerSample);
    for (int16_t& sample : sound.samples) sample = static_cast<int16_t>(file.readU16("sample"));
    file.expectEnd();
    return sound;
}

} // namespace DataGen

#include "Game/Race/GhostFile.h"

#include "Engine/Base/Assert.h"
#include "Engine/Base/BinaryReader.h"
#include "Engine/Base/BinaryWriter.h"
#include "Engine/Config/FileUtil.h"

#include <cmath>

namespace Game {

namespace {

using Engine::GFX::Mesh::BinaryReader;
using Engine::GFX::Mesh::BinaryWriter;

constexpr std::size_t magicLength = 6;
constexpr uint64_t sampleSize = 4 * 4;

bool isFinite(const GhostSample& sample)
{
    return std::isfinite(sample.position.x) && std::isfinite(sample.position.y) && std::isfinite(sample.position.z) &&
           std::isfinite(sample.yaw);
}

uint32_t readSampleCount(BinaryReader& in)
{
    const uint32_t count = in.readU32("sample count");
    if (count == 0) in.fail("no samples");
    if (count > maxGhostSamples) {
        in.fail(std::to_string(count) + " samples, more than " + std::to_string(maxGhostSamples));
    }
    in.require(count, sampleSize, "samples");
    return count;
}

GhostSample readSample(BinaryReader& in, uint32_t index)
{
    GhostSample sample;
    sample.position.x = in.readF32("samples");
    sample.position.y = in.readF32("samples");
    sample.position.z = in.readF32("samples");
    sample.yaw = in.readF32("samples");
    if (!isFinite(sample)) in.fail("sample " + std::to_string(index) + " holds a value that is not finite");
    return sample;
}

} // namespace

std::vector<GhostSample> readGhostFile(const std::string& path)
{
    BinaryReader in(path);
    const std::string magic = in.readString(magicLength, "magic");
    if (magic != ghostFileMagic) in.fail("not a ghost file (magic \"" + magic + "\")");
    const uint16_t version = in.readU16("version");
    if (version != ghostFileVersion) {
        in.fail("version " + std::to_string(version) + " is not supported (" + std::to_string(ghostFileVersion) +
                " expected)");
    }
    const uint32_t count = readSampleCount(in);
    std::vector<GhostSample> samples;
    samples.reserve(count);
    for (uint32_t i = 0; i < count; ++i) {
        samples.push_back(readSample(in, i));
    }
    in.expectEnd();
    return samples;
}

Engine::Status writeGhostFile(const std::string& path, const std::vector<GhostSample>& samples)
{
    GAME_ASSERT(!samples.empty() && samples.size() <= maxGhostSamples);
    BinaryWriter out;
    out.writeBytes(std::string(ghostFileMagic, magicLength));
    out.writeU16(ghostFileVersion);
    out.writeU32(static_cast<uint32_t>(samples.size()));
    for (const GhostSample& sample : samples) {
        GAME_ASSERT(isFinite(sample));
        out.writeF32(sample.position.x);
        out.writeF32(sample.position.y);
        out.writeF32(sample.position.z);
        out.writeF32(sample.yaw);
    }
    return FileUtil::replaceFile(path, out.text());
}

std::string ghostFilePath(const std::string& folder, const std::string& levelHash)
{
    return folder + "/" + levelHash + ".ghost";
}

} // namespace Game

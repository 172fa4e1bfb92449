#include "Game/Level/LevelFile.h"

#include "Engine/Config/FileUtil.h"
#include "Engine/Config/IniData.h"
#include "Engine/Config/IniReader.h"

#include <cmath>
#include <cstdio>
#include <fstream>
#include <sstream>

namespace Game {

namespace {

constexpr float unitTolerance = 1e-3f;

std::string sectionName(std::size_t index)
{
    return "block" + std::to_string(index);
}

void writeKey(std::ostream& out, const char* key, float value)
{
    char text[64];
    std::snprintf(text, sizeof text, "%.6f", static_cast<double>(value));
    out << key << " = " << text << "\n";
}

// The number under the key, or the problem with it in `error`.
float numberOf(const IniSectionData& section, const std::string& name, const char* key, std::string& error)
{
    if (section.hasFloat(key)) return section.getFloat(key);
    if (error.empty()) error = name + ": " + key + " is missing or not a number";
    return 0.0f;
}

bool isBlockName(const std::string& name, std::size_t count)
{
    const std::string digits = name.substr(5);
    if (digits.empty() || digits.size() > 6 || digits.find_first_not_of("0123456789") != std::string::npos) return false;
    const std::size_t index = std::stoul(digits);
    return index < count && name == sectionName(index);
}

LevelRead failure(std::string error)
{
    return LevelRead{{}, std::move(error)};
}

// One block section, or the problem with it in `error`.
BlockPose blockOf(const IniSectionData& section, const std::string& name, std::string& error)
{
    auto read = [&](const char* key) { return numberOf(section, name, key, error); };
    BlockPose block;
    block.position = glm::vec3(read("x"), read("y"), read("z"));
    block.size = glm::vec3(read("sx"), read("sy"), read("sz"));
    const glm::quat q(read("qw"), read("qx"), read("qy"), read("qz"));
    if (!error.empty()) return block;
    if (block.size.x <= 0.0f || block.size.y <= 0.0f || block.size.z <= 0.0f) {
        error = name + ": a size is zero or negative";
    } else if (std::abs(glm::length(q) - 1.0f) > unitTolerance) {
        error = name + ": the rotation is not a unit quaternion";
    } else {
        block.rotation = glm::normalize(q);
    }
    return block;
}

} // namespace

std::string formatLevel(const std::vector<BlockPose>& blocks)
{
    std::ostringstream out;
    for (std::size_t i = 0; i < blocks.size(); ++i) {
        const BlockPose& b = blocks[i];
        out << "[" << sectionName(i) << "]\n";
        writeKey(out, "x", b.position.x);
        writeKey(out, "y", b.position.y);
        writeKey(out, "z", b.position.z);
        writeKey(out, "sx", b.size.x);
        writeKey(out, "sy", b.size.y);
        writeKey(out, "sz", b.size.z);
        writeKey(out, "qw", b.rotation.w);
        writeKey(out, "qx", b.rotation.x);
        writeKey(out, "qy", b.rotation.y);
        writeKey(out, "qz", b.rotation.z);
    }
    return out.str();
}

LevelRead parseLevel(const IniData& ini, std::size_t maxBlocks)
{
    LevelRead level;
    while (ini.hasSection(sectionName(level.blocks.size()))) {
        const std::string name = sectionName(level.blocks.size());
        if (level.blocks.size() == maxBlocks) {
            return failure("more than " + std::to_string(maxBlocks) + " blocks");
        }
        level.blocks.push_back(blockOf(ini.getSection(name), name, level.error));
        if (!level.ok()) return failure(level.error);
    }
    // Sections outside the sequence (a gap, a stray name, keys before the
    // first block) would otherwise be dropped without a word.
    for (const auto& [name, section] : ini.sections()) {
        if (name.rfind("block", 0) != 0 || !isBlockName(name, level.blocks.size())) {
            return failure(name.empty() ? "keys before the first block" : "unexpected section [" + name + "]");
        }
    }
    return level;
}

LevelRead readLevelFile(const std::string& path, std::size_t maxBlocks)
{
    if (!std::ifstream(path)) return failure("cannot be read");
    return parseLevel(loadIniFile(path), maxBlocks);
}

std::string writeLevelFile(const std::string& path, const std::vector<BlockPose>& blocks)
{
    return FileUtil::replaceFile(path, formatLevel(blocks));
}

} // namespace Game

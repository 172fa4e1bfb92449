#include "Game/Level/LevelFile.h"

#include "Engine/Config/FileUtil.h"

#include <charconv>

namespace Game {

namespace {

// The shortest decimal text that reads back as the same float.
std::string shortest(float value)
{
    char text[64];
    const std::to_chars_result written = std::to_chars(text, text + sizeof text, value);
    return std::string(text, written.ptr);
}

void writeKey(std::string& out, const char* key, float value)
{
    out += key;
    out += " = " + shortest(value) + "\n";
}

glm::vec3 clamped(const glm::vec3& value, float low, float high)
{
    return glm::clamp(value, glm::vec3(low), glm::vec3(high));
}

} // namespace

BlockPose withinLevelLimits(BlockPose pose)
{
    pose.position = clamped(pose.position, -levelExtent, levelExtent);
    pose.size = clamped(pose.size, smallestBlockSide, largestBlockSide);
    return pose;
}

std::string formatLevel(const std::vector<BlockPose>& blocks)
{
    std::string out;
    for (std::size_t i = 0; i < blocks.size(); ++i) {
        const BlockPose& b = blocks[i];
        out += "[block" + std::to_string(i) + "]\n";
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
        if (b.kind != BlockKind::plain) out += std::string("kind = ") + blockKindName(b.kind) + "\n";
    }
    return out;
}

LevelRead readLevelFile(const std::string& path, std::size_t maxBlocks)
{
    const FileUtil::FileBytes file = FileUtil::readFileBytes(path);
    if (!file.status.ok()) return LevelRead{{}, file.status.message(), true};
    if (!file.bytes) return LevelRead{{}, "", false};
    return parseLevel(*file.bytes, maxBlocks);
}

LevelSave saveLevelFile(const std::string& path, const std::vector<BlockPose>& blocks, std::size_t maxBlocks)
{
    LevelSave save;
    const LevelRead old = readLevelFile(path, maxBlocks);
    if (!old.ok()) {
        save.status = FileUtil::keepRefusedFile(path, path + refusedLevelSuffix);
        if (!save.status.ok()) return save;
        save.keptRefused = true;
    }
    save.status = FileUtil::replaceFile(path, formatLevel(blocks));
    return save;
}

} // namespace Game

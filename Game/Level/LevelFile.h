#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include <glm/glm.hpp>
#include <glm/gtc/quaternion.hpp>

class IniData;

namespace Game {

// Where the edited level is kept, relative to the run folder.
inline constexpr const char* levelFilePath = "./profile/level.cfg";

// One block as the level file stores it: centre, size (metres) and rotation.
struct BlockPose {
    glm::vec3 position{0.0f};
    glm::vec3 size{1.0f};
    glm::quat rotation{1.0f, 0.0f, 0.0f, 0.0f};

    bool operator==(const BlockPose& other) const
    {
        return position == other.position && size == other.size && rotation == other.rotation;
    }
    bool operator!=(const BlockPose& other) const { return !(*this == other); }
};

// What reading a level gave: the blocks in file order, or why there are none.
struct LevelRead {
    std::vector<BlockPose> blocks;
    std::string error;

    bool ok() const { return error.empty(); }
};

// The level as INI text: one section per block, "block0", "block1", ..., with
// the keys x y z, sx sy sz, qw qx qy qz. Numbers are written in fixed notation,
// because the INI reader takes no exponents.
std::string formatLevel(const std::vector<BlockPose>& blocks);

// The blocks of a parsed level file. Every section must be one of block0 to
// blockN-1 and every key a number; sizes must be positive, rotations unit
// quaternions (stored normalised) and there may be at most maxBlocks blocks.
LevelRead parseLevel(const IniData& ini, std::size_t maxBlocks);

LevelRead readLevelFile(const std::string& path, std::size_t maxBlocks);

// Writes the level to path + ".tmp" and renames it over path, so a crash
// mid-save leaves either the old file or the new one. Returns the problem, or
// an empty text when the level was saved.
std::string writeLevelFile(const std::string& path, const std::vector<BlockPose>& blocks);

} // namespace Game

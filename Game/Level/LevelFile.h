#pragma once

#include "Engine/Base/Status.h"
#include "Game/Level/BlockKind.h"

#include <cstddef>
#include <string>
#include <vector>

#include <glm/glm.hpp>
#include <glm/gtc/quaternion.hpp>

namespace Game {

// Where the edited level is kept, relative to the run folder.
inline constexpr const char* levelFilePath = "./profile/level.cfg";
// A save moves a level file the game refused to this name beside it.
inline constexpr const char* refusedLevelSuffix = ".refused";

// What a level file may hold, and so what the editor may make: every block
// it saves reads back.
inline constexpr float levelExtent = 10000.0f; // metres from the origin along each axis
inline constexpr float smallestBlockSide = 0.1f;
inline constexpr float largestBlockSide = 10000.0f;

// One block as the level file stores it: centre, size (metres), rotation
// and what it is for on a race course.
struct BlockPose {
    glm::vec3 position{0.0f};
    glm::vec3 size{1.0f};
    glm::quat rotation{1.0f, 0.0f, 0.0f, 0.0f};
    BlockKind kind = BlockKind::plain;

    bool operator==(const BlockPose& other) const
    {
        return position == other.position && size == other.size && rotation == other.rotation && kind == other.kind;
    }
    bool operator!=(const BlockPose& other) const { return !(*this == other); }
};

// The pose with its centre and sides clamped to the limits above.
BlockPose withinLevelLimits(BlockPose pose);

// What reading a level gave: the blocks in file order, or why there are none.
struct LevelRead {
    std::vector<BlockPose> blocks;
    // Why the file was refused or could not be read; empty when it was used.
    std::string error;
    // False when there is no file at the path at all.
    bool found = true;

    bool ok() const { return error.empty(); }
};

// The level as INI text: one section per block, "block0", "block1", ..., with
// the keys x y z, sx sy sz, qw qx qy qz, each number in the shortest form
// that reads back as the same float, and "kind = <word>" for a block that is
// not plain (so a level without a course is written as before).
std::string formatLevel(const std::vector<BlockPose>& blocks);

// The blocks of a level file's text, read strictly: after an optional UTF-8
// byte order mark, every line (ended by "\n", "\r\n" or "\r") is blank, a
// comment, a header [blockN] (block0, block1, ... in order, each once) or
// "key = number" with one of the ten keys, each once per block, or the
// optional "kind = <word>" with a word of blockKindName (missing: plain). A number is
// decimal, an exponent allowed; it must be finite, a centre coordinate within
// levelExtent and a side from smallestBlockSide to largestBlockSide. The
// rotation must be a unit quaternion; one a little off is normalised, one
// already unit to float precision is kept bit for bit, so a saved level reads
// back exactly. At most maxBlocks blocks, at most one of them the start. Any other line is refused with its
// number; a file of only blank and comment lines is an empty level.
LevelRead parseLevel(const std::string& text, std::size_t maxBlocks);

// parseLevel of the file; a missing file is not found, a file that cannot be
// read (a folder, no permission) gives the reason as its error.
LevelRead readLevelFile(const std::string& path, std::size_t maxBlocks);

struct LevelSave {
    Engine::Status status = Engine::Status::success();
    // The file that was there was one readLevelFile refuses or cannot read,
    // and it was moved to path + refusedLevelSuffix.
    bool keptRefused = false;
};

// Saves the level with FileUtil::replaceFile. A file at the path that
// readLevelFile refuses or cannot read is first moved to path +
// refusedLevelSuffix (replacing an older copy), so a save never destroys a
// level the game could not use.
LevelSave saveLevelFile(const std::string& path, const std::vector<BlockPose>& blocks, std::size_t maxBlocks);

} // namespace Game

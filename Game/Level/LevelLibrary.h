#pragma once

#include "Engine/Base/Status.h"
#include "Game/Level/LevelFile.h"
#include "Game/Level/LevelName.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace Game {

// Where the player's levels are kept, relative to the run folder, and where a
// deleted one goes inside it.
inline constexpr const char* levelFolderPath = "./profile/levels";
inline constexpr const char* levelTrashFolder = ".trash";
// The name a level kept at levelFilePath gets when it moves into the folder.
inline constexpr const char* migratedLevelName = "My level";

// One row of the level list. Without a name it is the generated level, which
// is never written.
struct LevelEntry {
    std::optional<LevelName> name;
    // Why the file cannot be opened; empty when it can.
    std::string damage;
    // The saved level's blocks as listed (for its record); empty otherwise.
    std::vector<BlockPose> blocks;

    bool generated() const { return !name; }
    bool damaged() const { return !damage.empty(); }
    // "Generated", the name, or the name followed by " (damaged)".
    std::string label() const;
};

// What a change to the folder did. `taken`: the target name already holds a
// level and nothing was written; the caller asks before replacing it.
struct LevelChange {
    Engine::Status status = Engine::Status::success();
    bool taken = false;
    // A save replaced a damaged file, which was kept aside (saveLevelFile).
    bool keptRefused = false;
};

// The level folder: one file per level, "<name>.cfg" in the level file's
// format. Every path is built from a checked LevelName; files whose names are
// not level names (temporary files, refused copies) are not levels.
class LevelLibrary {
public:
    LevelLibrary(std::string folder, std::size_t maxBlocks);

    std::string pathOf(const LevelName& name) const;
    bool exists(const LevelName& name) const;

    // The generated level first, then the saved levels by name, letters
    // compared without case; each file is read to tell a damaged one.
    std::vector<LevelEntry> list() const;
    LevelRead read(const LevelName& name) const;

    // Moves the file at legacyPath into the folder as migratedLevelName, once:
    // the line to report, empty when there was nothing to move. A move that
    // cannot be made leaves the file where it was, fails and says why.
    struct Adoption {
        std::string line;
        bool failed = false;
    };
    Adoption adoptLegacyLevel(const std::string& legacyPath) const;

    // Writes the level atomically; an existing level of that name is only
    // replaced when `replace` is set.
    LevelChange save(const LevelName& name, const std::vector<BlockPose>& blocks, bool replace) const;
    // A level under another name; `replace` as for save, and the level it
    // replaces goes to the trash rather than away.
    LevelChange rename(const LevelName& from, const LevelName& to, bool replace) const;
    // Moves the level into the trash folder, under a free name there.
    LevelChange remove(const LevelName& name) const;

    const std::string& folder() const { return root; }
    std::string trashFolder() const;

private:
    std::string root;
    std::size_t maxBlocks;
};

} // namespace Game

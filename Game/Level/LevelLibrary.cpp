#include "Game/Level/LevelLibrary.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstring>
#include <filesystem>

#include <unistd.h>

namespace Game {

namespace {

const std::string fileExtension = ".cfg";
constexpr int mostTrashCopies = 1000; // of one name; past that a delete is refused

bool present(const std::string& path)
{
    std::error_code error;
    return std::filesystem::exists(std::filesystem::symlink_status(path, error));
}

// A hard link and then the old name's removal: unlike rename, the link never
// replaces a file already at `to`, so no level is lost to a name that was
// taken a moment ago. If the old name cannot be removed, both names remain.
LevelChange moveWithoutReplacing(const std::string& from, const std::string& to)
{
    if (::link(from.c_str(), to.c_str()) != 0) {
        if (errno == EEXIST) return LevelChange{Engine::Status::success(), true};
        return LevelChange{Engine::Status::failure("cannot move " + from + " to " + to + ": " + std::strerror(errno))};
    }
    if (::unlink(from.c_str()) != 0)
        return LevelChange{Engine::Status::failure("moved " + from + " to " + to + " but cannot remove the old name: "
                                                   + std::strerror(errno))};
    return {};
}

std::string folded(const std::string& text)
{
    std::string lower = text;
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return lower;
}

bool listedBefore(const LevelEntry& a, const LevelEntry& b)
{
    const std::string foldedA = folded(a.name->text());
    const std::string foldedB = folded(b.name->text());
    return foldedA != foldedB ? foldedA < foldedB : a.name->text() < b.name->text();
}

// The level name a folder entry is the file of, if any.
std::optional<LevelName> levelNameOf(const std::filesystem::path& entry)
{
    const std::string file = entry.filename().string();
    if (file.size() <= fileExtension.size() || file.compare(file.size() - fileExtension.size(), std::string::npos, fileExtension) != 0)
        return std::nullopt;
    const LevelName::Check check = LevelName::check(file.substr(0, file.size() - fileExtension.size()));
    if (!check.ok()) return std::nullopt;
    return check.name();
}

Engine::Status makeFolder(const std::string& path)
{
    std::error_code error;
    std::filesystem::create_directories(path, error);
    if (error) return Engine::Status::failure("cannot make the folder " + path + ": " + error.message());
    return Engine::Status::success();
}

} // namespace

std::string LevelEntry::label() const
{
    if (generated()) return "Generated";
    return damaged() ? name->text() + " (damaged)" : name->text();
}

LevelLibrary::LevelLibrary(std::string folder, std::size_t maxBlocks) : root(std::move(folder)), maxBlocks(maxBlocks) {}

std::string LevelLibrary::pathOf(const LevelName& name) const
{
    return root + "/" + name.fileName();
}

std::string LevelLibrary::trashFolder() const
{
    return root + "/" + levelTrashFolder;
}

bool LevelLibrary::exists(const LevelName& name) const
{
    return present(pathOf(name));
}

std::vector<LevelEntry> LevelLibrary::list() const
{
    std::vector<LevelEntry> saved;
    std::error_code error;
    for (std::filesystem::directory_iterator entry(root, error), end; !error && entry != end; entry.increment(error)) {
        std::optional<LevelName> name = levelNameOf(entry->path());
        if (!name) continue;
        LevelRead level = read(*name);
        saved.push_back(LevelEntry{name, level.error, std::move(level.blocks)});
    }
    std::sort(saved.begin(), saved.end(), listedBefore);
    saved.insert(saved.begin(), LevelEntry{});
    return saved;
}

LevelRead LevelLibrary::read(const LevelName& name) const
{
    return readLevelFile(pathOf(name), maxBlocks);
}

LevelLibrary::Adoption LevelLibrary::adoptLegacyLevel(const std::string& legacyPath) const
{
    if (!present(legacyPath)) return {};
    const LevelName name = LevelName::check(migratedLevelName).name();
    const std::string target = pathOf(name);
    const std::string kept = "; " + legacyPath + " stays where it is";
    const Engine::Status folderMade = makeFolder(root);
    if (!folderMade.ok())
        return {"LEVELS: cannot move " + legacyPath + " into " + root + ": " + folderMade.message() + kept, true};
    const LevelChange move = moveWithoutReplacing(legacyPath, target);
    if (move.taken) return {"LEVELS: cannot move " + legacyPath + " to " + target + ": that level exists" + kept, true};
    if (!move.status.ok()) return {"LEVELS: " + move.status.message() + kept, true};
    return {"LEVELS: " + legacyPath + " moved to " + target + " as \"" + name.text() + "\"", false};
}

LevelChange LevelLibrary::save(const LevelName& name, const std::vector<BlockPose>& blocks, bool replace) const
{
    if (!replace && exists(name)) return LevelChange{Engine::Status::success(), true};
    const Engine::Status folderMade = makeFolder(root);
    if (!folderMade.ok()) return LevelChange{folderMade};
    const LevelSave saved = saveLevelFile(pathOf(name), blocks, maxBlocks);
    return LevelChange{saved.status, false, saved.keptRefused};
}

LevelChange LevelLibrary::rename(const LevelName& from, const LevelName& to, bool replace) const
{
    if (from == to) return {};
    if (exists(to)) {
        if (!replace) return LevelChange{Engine::Status::success(), true};
        const LevelChange trashed = remove(to);
        if (!trashed.status.ok()) return trashed;
    }
    return moveWithoutReplacing(pathOf(from), pathOf(to));
}

LevelChange LevelLibrary::remove(const LevelName& name) const
{
    const Engine::Status folderMade = makeFolder(trashFolder());
    if (!folderMade.ok()) return LevelChange{folderMade};
    for (int copy = 1; copy <= mostTrashCopies; ++copy) {
        const std::string suffix = copy == 1 ? "" : " (" + std::to_string(copy) + ")";
        const LevelChange move = moveWithoutReplacing(pathOf(name), trashFolder() + "/" + name.text() + suffix + fileExtension);
        if (!move.taken) return move;
    }
    return LevelChange{Engine::Status::failure("the trash holds " + std::to_string(mostTrashCopies) + " copies of " + name.text())};
}

} // namespace Game

#pragma once

#include "Engine/Base/Status.h"

#include <optional>
#include <string>
#include <vector>

// Text files and the string helpers shared by the loaders (INI, font,
// shader sources), for which an unreadable file is never an error; and the
// user's own files (profile, level), read and replaced so that one the
// program cannot read is told apart from a missing one and never lost.
namespace FileUtil {

// The whole text, each line followed by "\n"; empty when the file cannot be
// opened, without a message.
std::string readFile(const std::string& path);

// The lines without their terminators; an unreadable file gives no lines
// after logging missingFileMessage(path).
std::vector<std::string> readLines(const std::string& path);

std::string missingFileMessage(const std::string& path);

// A user's file as it is on disk: its bytes, or none when there is no file
// there. Anything else that stops the reading (a folder at the path, no read
// permission, a read error) is a failure with its reason, so the caller can
// tell a file it must not touch from one that is simply not there yet.
struct FileBytes {
    std::optional<std::string> bytes;
    Engine::Status status = Engine::Status::success();
};
FileBytes readFileBytes(const std::string& path);

// Replaces the file with the text so that a crash or a full disk leaves
// either the old file or the new one, never a mix: the text goes to a new
// temporary file of its own beside the file (two programs saving at once
// never share one), is synced, and is renamed over the file, then the folder
// is synced. A symbolic link is followed: its target is replaced, in the
// target's folder, and the link stays. The new file keeps the old one's
// permission bits. On failure the temporary file is removed and the old file
// is left as it was.
Engine::Status replaceFile(const std::string& path, const std::string& text);

// Moves a user's file the program refused to `kept` (replacing an older
// copy), before anything replaces it, so a save never destroys it.
Engine::Status keepRefusedFile(const std::string& path, const std::string& kept);

// The non-empty pieces between occurrences of the delimiter.
std::vector<std::string> split(std::string text, char delimiter);

// White space is what isspace accepts.
std::string trimLeft(std::string text);
std::string trimRight(std::string text);

} // namespace FileUtil

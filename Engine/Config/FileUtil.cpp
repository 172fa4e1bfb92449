#include "Engine/Config/FileUtil.h"

#include "Engine/Base/Log.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace FileUtil {

namespace {

bool isSpace(char c)
{
    return std::isspace(static_cast<unsigned char>(c)) != 0;
}

// Reads line by line; a carriage return ending a line that a line feed
// ends too belongs to the terminator, not to the line.
bool readLinesFrom(const std::string& path, std::vector<std::string>& lines)
{
    // A folder opens like a file and reads as empty: it counts as missing.
    std::error_code error;
    if (std::filesystem::is_directory(path, error))
        return false;
    std::ifstream file(path);
    if (!file.is_open())
        return false;
    std::string line;
    while (std::getline(file, line)) {
        const bool endedByLineFeed = !file.eof();
        if (endedByLineFeed && !line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(line);
    }
    return true;
}

Engine::Status failure()
{
    return Engine::Status::failure(std::strerror(errno));
}

// The file a path names once symbolic links are followed; a link to a file
// that does not exist yet names that file.
std::filesystem::path linkTarget(const std::string& path)
{
    constexpr int mostLinks = 40; // as the kernel's own limit, so a loop ends
    std::filesystem::path target = path;
    std::error_code error;
    for (int hop = 0; hop < mostLinks && std::filesystem::is_symlink(target, error); ++hop) {
        const std::filesystem::path next = std::filesystem::read_symlink(target, error);
        if (error) break;
        target = next.is_absolute() ? next : target.parent_path() / next;
    }
    return target;
}

// The old file's permission bits, or for a new file what the process's
// umask leaves of read and write for everyone, as creating it would give.
mode_t modeFor(const std::filesystem::path& target)
{
    struct stat status {};
    if (::stat(target.c_str(), &status) == 0) return status.st_mode & 07777;
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

Engine::Status writeAll(int file, const std::string& text)
{
    std::size_t written = 0;
    while (written < text.size()) {
        const ssize_t put = ::write(file, text.data() + written, text.size() - written);
        if (put < 0 && errno == EINTR) continue;
        if (put < 0) return failure();
        written += static_cast<std::size_t>(put);
    }
    return Engine::Status::success();
}

// Makes the rename itself durable: until the folder is synced, a crash may
// bring back the folder entry of the old file. The new file is in place
// whatever this gives (some file systems cannot sync a folder), so a failure
// here is not a failed save.
void syncFolder(const std::filesystem::path& folder)
{
    const int handle = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (handle < 0) return;
    ::fsync(handle);
    ::close(handle);
}

} // namespace

std::string readFile(const std::string& path)
{
    std::vector<std::string> lines;
    readLinesFrom(path, lines);
    std::string text;
    for (const std::string& line : lines)
        text += line + "\n";
    return text;
}

std::vector<std::string> readLines(const std::string& path)
{
    std::vector<std::string> lines;
    if (!readLinesFrom(path, lines))
        Engine::log(missingFileMessage(path));
    return lines;
}

std::string missingFileMessage(const std::string& path)
{
    return "MISSING FILE: " + path;
}

FileBytes readFileBytes(const std::string& path)
{
    const int file = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (file < 0) return errno == ENOENT ? FileBytes{} : FileBytes{std::nullopt, failure()};
    FileBytes read{std::string()};
    struct stat status {};
    if (::fstat(file, &status) != 0) read = {std::nullopt, failure()};
    else if (S_ISDIR(status.st_mode)) read = {std::nullopt, Engine::Status::failure(std::strerror(EISDIR))};
    char chunk[65536];
    while (read.bytes) {
        const ssize_t got = ::read(file, chunk, sizeof chunk);
        if (got == 0) break;
        if (got > 0) read.bytes->append(chunk, static_cast<std::size_t>(got));
        else if (errno != EINTR) read = {std::nullopt, failure()};
    }
    ::close(file);
    return read;
}

Engine::Status replaceFile(const std::string& path, const std::string& text)
{
    const std::filesystem::path target = linkTarget(path);
    std::string temporary = target.string() + ".XXXXXX";
    const int file = ::mkstemp(temporary.data());
    if (file < 0) return failure();
    Engine::Status status = writeAll(file, text);
    if (status.ok() && ::fchmod(file, modeFor(target)) != 0) status = failure();
    if (status.ok() && ::fsync(file) != 0) status = failure();
    if (::close(file) != 0 && status.ok()) status = failure();
    if (status.ok() && std::rename(temporary.c_str(), target.c_str()) != 0) status = failure();
    if (!status.ok()) {
        ::unlink(temporary.c_str());
        return status;
    }
    syncFolder(target.parent_path());
    return Engine::Status::success();
}

Engine::Status keepRefusedFile(const std::string& path, const std::string& kept)
{
    if (std::rename(path.c_str(), kept.c_str()) != 0) {
        return Engine::Status::failure("cannot keep the refused file as " + kept + ": " + std::strerror(errno));
    }
    return Engine::Status::success();
}

std::vector<std::string> split(std::string text, char delimiter)
{
    std::vector<std::string> pieces;
    std::string::size_type at = text.find(delimiter);
    while (at != std::string::npos) {
        if (at > 0)
            pieces.push_back(text.substr(0, at));
        text.erase(0, at + 1);
        at = text.find(delimiter);
    }
    if (!text.empty())
        pieces.push_back(text);
    return pieces;
}

std::string trimLeft(std::string text)
{
    text.erase(text.begin(), std::find_if_not(text.begin(), text.end(), isSpace));
    return text;
}

std::string trimRight(std::string text)
{
    text.erase(std::find_if_not(text.rbegin(), text.rend(), isSpace).base(), text.end());
    return text;
}

} // namespace FileUtil

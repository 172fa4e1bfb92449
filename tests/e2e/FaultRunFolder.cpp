#include "tests/e2e/FaultRunFolder.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>

namespace E2E {

namespace fs = std::filesystem;

namespace {

// Fixed, so that a failing case can be reproduced byte for byte.
constexpr std::mt19937::result_type randomBytesSeed = 20261206;

std::string readFile(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + path.string());
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void writeFile(const fs::path& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary | std::ios::trunc).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string randomBytes(std::size_t count)
{
    std::mt19937 generator(randomBytesSeed);
    std::uniform_int_distribution<int> byte(0, 255);
    std::string bytes(count, '\0');
    for (char& c : bytes) c = static_cast<char>(byte(generator));
    return bytes;
}

std::string buildConfiguration()
{
    return readFile(fs::path(gameRunDir()) / "profile" / "config.cfg");
}

} // namespace

std::string damageName(Damage damage)
{
    switch (damage) {
    case Damage::Missing: return "missing";
    case Damage::TruncatedToHalf: return "truncated to half";
    case Damage::RandomBytes: return "random bytes";
    }
    return "unknown";
}

std::vector<std::string> runFolderDataFiles()
{
    const fs::path runDir(gameRunDir());
    std::vector<std::string> files;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(runDir / "data"))
        if (entry.is_regular_file()) files.push_back(fs::relative(entry.path(), runDir).generic_string());
    std::sort(files.begin(), files.end());
    return files;
}

FaultRunFolder::FaultRunFolder() : folder(buildConfiguration())
{
    const fs::path data = fs::path(folder.path()) / "data";
    fs::remove(data);
    fs::copy(fs::path(gameRunDir()) / "data", data, fs::copy_options::recursive);
}

void FaultRunFolder::damage(const std::string& relativePath, Damage damage)
{
    const fs::path file = fs::path(folder.path()) / relativePath;
    const std::string bytes = readFile(file);
    switch (damage) {
    case Damage::Missing: fs::remove(file); break;
    case Damage::TruncatedToHalf: writeFile(file, bytes.substr(0, bytes.size() / 2)); break;
    case Damage::RandomBytes: writeFile(file, randomBytes(bytes.size())); break;
    }
}

} // namespace E2E

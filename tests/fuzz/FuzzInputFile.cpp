#include "tests/fuzz/FuzzInputFile.h"

#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "Engine/Base/Assert.h"

namespace Fuzz {

InputFile::InputFile(const std::string& tag)
{
    const std::string name = "game-fuzz-" + tag + "-" + std::to_string(::getpid());
    filePath = (std::filesystem::temp_directory_path() / name).string();
}

InputFile::~InputFile()
{
    std::remove(filePath.c_str());
}

const std::string& InputFile::write(const uint8_t* data, std::size_t size)
{
    std::ofstream file(filePath, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    file.close();
    // A short write would fuzz a different input than the one libFuzzer records.
    GAME_ASSERT(!file.fail());
    return filePath;
}

} // namespace Fuzz

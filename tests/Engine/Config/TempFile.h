#pragma once

#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

// A file with the given bytes in the temporary folder, removed at the end of the test.
class TempFile {
public:
    explicit TempFile(const std::string& bytes)
        : filePath(std::filesystem::temp_directory_path()
                   / ("engine_config_test_" + std::to_string(::getpid()) + "_" + std::to_string(counter++)))
    {
        std::ofstream(filePath, std::ios::binary) << bytes;
    }
    ~TempFile() { std::filesystem::remove(filePath); }
    std::string path() const { return filePath.string(); }

private:
    static inline int counter = 0;
    std::filesystem::path filePath;
};

#pragma once

#include <cstring>
#include <string>
#include <type_traits>
#include <vector>

#include "Engine/Base/Assert.h"
#include "Engine/Base/DataFileError.h"

// Checks shared by the fuzz targets.
namespace Fuzz {

// Bitwise equality, so a NaN read from a file compares equal to itself after
// a write and a second read.
template <typename T>
bool sameBytes(const T& a, const T& b)
{
    static_assert(std::is_trivially_copyable_v<T>);
    return std::memcmp(&a, &b, sizeof(T)) == 0;
}

template <typename T>
bool sameBytes(const std::vector<T>& a, const std::vector<T>& b)
{
    static_assert(std::is_trivially_copyable_v<T>);
    return a.size() == b.size() && (a.empty() || std::memcmp(a.data(), b.data(), a.size() * sizeof(T)) == 0);
}

// A rejected data file is reported in one line that starts with its path.
inline void checkRejection(const Engine::DataFileError& error, const std::string& path)
{
    const std::string message = error.what();
    GAME_ASSERT(error.path() == path);
    GAME_ASSERT(message.compare(0, path.size() + 2, path + ": ") == 0);
    GAME_ASSERT(message.find_first_of("\n\r") == std::string::npos);
}

} // namespace Fuzz

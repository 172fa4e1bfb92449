#pragma once

#include <cstddef>
#include <cstdint>

// The fuzz targets of the readers of outside data. Each returns true when the
// reader accepted the input and false when it rejected it in the documented
// way; anything else (an escaping exception, a broken guarantee caught by
// GAME_ASSERT, a sanitizer report) ends the process, which a fuzzer counts as
// a crash. libFuzzer's entry point (FuzzMain.cpp) and the corpus test call them.
namespace Fuzz {

bool consumeMeshFile(const uint8_t* data, std::size_t size);
bool consumeSkeletonFile(const uint8_t* data, std::size_t size);
bool consumeAnimationFile(const uint8_t* data, std::size_t size);
bool consumeFontReader(const uint8_t* data, std::size_t size);
bool consumeIniReader(const uint8_t* data, std::size_t size);
bool consumeLevelFile(const uint8_t* data, std::size_t size);
bool consumeProfileRewrite(const uint8_t* data, std::size_t size);
bool consumeGhostFile(const uint8_t* data, std::size_t size);
bool consumeRecordsFile(const uint8_t* data, std::size_t size);

} // namespace Fuzz

#pragma once

#include <cstddef>
#include <cstdint>

// Every fuzz target defines both: libFuzzer calls the entry point, the corpus
// regression tests call consumeInput to learn whether the reader accepted the
// input. Anything other than the reader's documented rejection (an exception
// escaping, a broken guarantee caught by GAME_ASSERT, a sanitizer report)
// ends the process, which is what a fuzzer counts as a crash.
namespace Fuzz {

// True when the reader accepted the input, false when it rejected it in the
// documented way.
bool consumeInput(const uint8_t* data, std::size_t size);

} // namespace Fuzz

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size);

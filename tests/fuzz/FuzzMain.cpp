// libFuzzer's entry point for one target, chosen with -DFUZZ_CONSUME=<function>.
#include "tests/fuzz/FuzzTargets.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    Fuzz::FUZZ_CONSUME(data, size);
    return 0;
}

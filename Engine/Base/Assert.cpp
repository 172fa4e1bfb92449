#include "Engine/Base/Assert.h"

#include <cstdio>
#include <cstdlib>

namespace Engine {

void assertionFailed(const char* condition, const char* file, int line)
{
    std::fflush(stdout);
    std::fprintf(stderr, "Assertion failed: %s (%s:%d)\n", condition, file, line);
    std::fflush(stderr);
    std::abort();
}

} // namespace Engine
